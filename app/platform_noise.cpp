#include "platform_noise.h"

#include <QtGlobal>
#include <array>
#include <string_view>

namespace dravik {
namespace {

// The logging categories of Qt's platform layer.
constexpr std::string_view kPlatformCategories = "qt.qpa.";

// Notices written in the default category: a window feature the platform lacks,
// and a session without a runtime folder, as in a batch job.
constexpr std::array kPlatformNotices = {
    QLatin1String("This plugin does not support "),
    QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"),
};

QtMessageHandler previousHandler = nullptr;

void passOnAllButNoise(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    const bool failure = type == QtCriticalMsg || type == QtFatalMsg;
    if (!failure && isOffscreenPlatformNoise(context.category, text)) return;
    previousHandler(type, context, text);
}

}  // namespace

bool isOffscreenPlatformNoise(const char* category, const QString& text) {
    const std::string_view name = category ? category : "default";
    if (name.starts_with(kPlatformCategories)) return true;
    if (name != "default") return false;
    for (const QLatin1String notice : kPlatformNotices) {
        if (text.startsWith(notice)) return true;
    }
    return false;
}

void dropOffscreenPlatformNoise() { previousHandler = qInstallMessageHandler(passOnAllButNoise); }

}  // namespace dravik
