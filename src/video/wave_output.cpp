// The event type of finished sound blocks.
#include "video/wave_output.h"

namespace video {

const QEvent::Type WaveDoneEvent::doneType = QEvent::Type(QEvent::registerEventType());

} // namespace video
