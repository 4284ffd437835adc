#include "app/MeterSession.h"

namespace voltaro {

MeterSession::MeterSession(const SessionSeams& s)
    : port_(s.port),
      alarms_(s.beeper, s.alarmView),
      reader_(s.beeper, s.clock, TraceNames{s.programFolder, s.traceTitle}, s.debugMode),
      recording_(RecordingParts{reading_, stats_, alarms_, s.formats, s.separator, s.clock, s.messages,
                                s.beeper, s.view},
                 s.programFolder, s.debugMode),
      acquisition_(AcquisitionParts{recording_, reader_, s.port, reading_, alarms_, s.formats, s.clock,
                                    s.beeper, s.messages, s.view},
                   s.programFolder, s.debugMode),
      schedule_(s.clock, acquisition_) {}

}  // namespace voltaro
