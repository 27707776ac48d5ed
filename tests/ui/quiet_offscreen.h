#pragma once

#include <QString>
#include <QtGlobal>

namespace candelor::testing {

// The offscreen platform warns about window hints it cannot honour; nothing to act on.
inline void QuietOffscreen(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
  if (message.startsWith(QLatin1String("This plugin does not support"))) return;
  qt_message_output(type, context, message);
}

}  // namespace candelor::testing
