#include "DevicePixels.h"
#include "ForegroundWindow.h"

#include <QWidget>
#include <windows.h>

namespace {

class Win32ForegroundWindow final : public ForegroundWindow {
public:
    std::optional<WindowRect> frameUnlessOwn(const QWidget& own) override
    {
        const HWND w = GetForegroundWindow();
        if (w == nullptr || w == reinterpret_cast<HWND>(own.winId()))
            return std::nullopt;
        // Any window of this process (a message box, a dialog) is ours as well.
        DWORD process = 0;
        GetWindowThreadProcessId(w, &process);
        if (process == GetCurrentProcessId())
            return std::nullopt;
        RECT r;
        if (!GetWindowRect(w, &r))
            return std::nullopt;
        return DevicePixels::toLogical(WindowRect{r.left, r.top, r.right, r.bottom});
    }
    bool canFollow() const override { return true; }
};

} // namespace

std::unique_ptr<ForegroundWindow> ForegroundWindow::create()
{
    return std::make_unique<Win32ForegroundWindow>();
}
