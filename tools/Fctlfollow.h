#pragma once

class TCommBase;
class TAlarmEvaluator;
class TConfig;
struct CtlEnv;

// zedactl acquire --follow: the acquisition service of the data directory
// without a window, paced by its tick (5 seconds unless shortened), publishing the stored
// minutes when [MQTT] Enabled=1, until SIGTERM or SIGINT; a cycle under
// way finishes first, so that the minute in flight is on the disk. The
// number of records stored. The alarms, when given, watch every minute.
int FollowAcquisition(CtlEnv& ctl, TCommBase& comm, const TConfig& config, int tickMs,
                      TAlarmEvaluator* alarms = nullptr);
