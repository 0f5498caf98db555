#include "platform/fake/fakes.h"

#include <algorithm>

namespace tabrino {

Answer FakeDialogs::message(const std::string& text, const std::string& title, Buttons b, Icon i) {
    ++messages;
    lastText = text;
    lastTitle = title;
    lastButtons = b;
    lastIcon = i;
    if (queue.empty() || queue.front().isInput) throw Unanswered("unanswered message box \"" + text + "\"");
    Reply r = queue.front();
    queue.pop_front();
    if (b == Buttons::Ok && r.answer != Answer::Ok)
        throw Unanswered("message box \"" + text + "\" has only OK, but the answer queued was yes/no");
    if (b == Buttons::YesNo && r.answer == Answer::Ok)
        throw Unanswered("message box \"" + text + "\" asks yes or no, but the answer queued was ok");
    return r.answer;
}

std::string FakeDialogs::input(const std::string& prompt, const std::string& title, const std::string&) {
    ++inputs;
    lastPrompt = prompt;
    lastInputTitle = title;
    if (queue.empty() || !queue.front().isInput) throw Unanswered("unanswered input box \"" + prompt + "\"");
    Reply r = queue.front();
    queue.pop_front();
    return r.cancel ? std::string() : r.text;
}

bool FakeSounds::open(int player, const std::string& file) {
    if (std::find(failing.begin(), failing.end(), file) != failing.end()) return false;
    files[player] = file;
    return true;
}

void FakeSounds::play(int player) {
    auto it = files.find(player);
    if (it == files.end()) return;  // never opened: silent
    ++plays[it->second];
    log.push_back(it->second);
}

std::int32_t FakeMonitors::systemMetric(int index) {
    if (noMultiMonitor) return 0;
    if (index == SM_CMONITORS) return static_cast<std::int32_t>(monitors.size());
    if (monitors.empty()) return 0;
    PixelRect box = monitors[0].rect;
    for (const Monitor& m : monitors) {
        box.left = std::min(box.left, m.rect.left);
        box.top = std::min(box.top, m.rect.top);
        box.right = std::max(box.right, m.rect.right);
        box.bottom = std::max(box.bottom, m.rect.bottom);
    }
    switch (index) {
        case SM_XVIRTUALSCREEN: return box.left;
        case SM_YVIRTUALSCREEN: return box.top;
        case SM_CXVIRTUALSCREEN: return box.right - box.left;
        case SM_CYVIRTUALSCREEN: return box.bottom - box.top;
        default: return 0;
    }
}

std::optional<std::uint32_t> FakeMonitors::monitorFromRect(const PixelRect& r, std::uint32_t) {
    if (noMonitorFromRect) return std::nullopt;
    if (noMultiMonitor) return 0u;
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        const PixelRect& m = monitors[i].rect;
        if (r.left < m.right && r.right > m.left && r.top < m.bottom && r.bottom > m.top) return handleOf(i);
    }
    return 0u;
}

bool FakeMonitors::monitorInfo(std::uint32_t handle, MonitorInfo& info) {
    std::size_t i = handle - handleOf(0);
    if (handle < handleOf(0) || i >= monitors.size()) return false;
    info.monitor = monitors[i].rect;
    info.work = monitors[i].rect;
    info.flags = monitors[i].primary ? 1u : 0u;
    return true;
}

std::int32_t FakeMonitors::screenWidthTwips() {
    for (const Monitor& m : monitors)
        if (m.primary) return (m.rect.right - m.rect.left) * 15;
    return fallbackWidthPx * 15;
}

std::int32_t FakeMonitors::screenHeightTwips() {
    for (const Monitor& m : monitors)
        if (m.primary) return (m.rect.bottom - m.rect.top) * 15;
    return fallbackHeightPx * 15;
}

RecordStorage::Read FakeStorage::read(std::string& out) {
    if (unreadable) return Read::Failed;
    if (!exists) return Read::None;
    out = bytes;
    return Read::Ok;
}

void FakeStorage::reset(const std::string& b) {
    ++writes;
    if (unwritable) {
        failed_ = true;
        return;
    }
    bytes = b;
    exists = true;
}

void FakeStorage::append(const std::string& b) {
    ++writes;
    if (unwritable || !exists) {
        failed_ = true;
        return;
    }
    bytes += b;
}

std::string FakeStorage::keepAside(const std::string& label, const std::string& stamp) {
    if (!exists && !unreadable) return {};
    std::string name = "partido-" + label + "-" + stamp + ".registro";
    keptAside[name] = bytes;
    exists = false;
    unreadable = false;
    bytes.clear();
    return name;
}

std::string FakeStorage::takeFailure() {
    if (!failed_ || failureTaken_) return {};
    failureTaken_ = true;
    return "no hay permiso para escribir allí";
}

}  // namespace tabrino
