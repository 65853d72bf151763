#pragma once

#include <cstdint>
#include <vector>

struct MonthDocument;

// Exception state of a channel at a slot.
enum TExceptionState {
    ExceptionNone = 0,     // no period covers it
    ExceptionOrdinary = 1, // an ordinary period hides the value
    ExceptionNoteOnly = 2  // a note-only period ("!" code) marks it
};

// The state of channel (0..13) at slot under the document's exception table:
// the first period in table order that covers the slot for that channel
// decides. When one does and code is given, its four characters and a NUL
// are copied into code (5 bytes); otherwise code is left alone.
int ExceptionAt(const MonthDocument& document, int channel, uint32_t slot, char* code = nullptr);

// The periods of a document taken once, for callers that look up every
// minute of many channels (plotting): the same answers as ExceptionAt.
class TExceptionIndex {
public:
    explicit TExceptionIndex(const MonthDocument& document);
    int StateAt(int channel, uint32_t slot) const;
    // The state at slot, with until set to a later slot before which the
    // state cannot change (no period of the channel begins or ends in
    // between), so a walk over minutes looks up once per stretch.
    int StateUntil(int channel, uint32_t slot, uint32_t& until) const;
    bool Empty() const { return FPeriods.empty(); }

private:
    struct Period {
        uint32_t from;
        uint32_t to;
        uint16_t mask;
        uint8_t state;
    };
    std::vector<Period> FPeriods;
};
