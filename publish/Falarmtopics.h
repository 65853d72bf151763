#pragma once

#include <QByteArray>

#include <vector>

// What the broker is told of the alarm log "alarms.log": every line as it
// stands on "<base>/alarm", and the alarms active after them, retained on
// "<base>/alarms/active".

// The complete lines of the log's bytes, without their line feeds; a last
// line that a crash tore off (no line feed yet) is not one.
std::vector<QByteArray> CompleteLogLines(const QByteArray& data);

// The active alarms after the lines, as a JSON array of their newest lines
// in the order they were raised: raised and not cleared, or latched and not
// acknowledged yet. Lines that are no entry are passed over.
QByteArray ActiveAlarmsJson(const std::vector<QByteArray>& lines);
