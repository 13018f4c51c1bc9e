#include "desktop/linux/x11directsave.h"

#include "desktop/filecopy.h"
#include "desktop/linux/abandonedfile.h"
#include "desktop/paths.h"

#include <QGuiApplication>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <sys/stat.h>
#include <xcb/xcb.h>

namespace {

using namespace std::chrono_literals;

// A browser may still fetch the picture from its server after answering, and writes the
// file only then.
constexpr X11DirectSave::Patience DefaultPatience{10000ms, 60000ms};

// After a drop has given up on a file, how long its source may still bring it back.
constexpr auto AbandonedFor = std::chrono::minutes(10);

template <typename Reply> using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_atom_t internAtom(xcb_connection_t *connection, const char *name)
{
    const auto cookie = xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    const ReplyPtr<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

xcb_window_t selectionOwner(xcb_connection_t *connection, xcb_atom_t selection)
{
    const auto cookie = xcb_get_selection_owner(connection, selection);
    const ReplyPtr<xcb_get_selection_owner_reply_t> reply(xcb_get_selection_owner_reply(connection, cookie, nullptr),
                                                          &std::free);
    return reply ? reply->owner : static_cast<xcb_window_t>(XCB_WINDOW_NONE);
}

// The text of a window property, or nothing when the window does not have it.
std::optional<std::string> readProperty(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t property)
{
    xcb_generic_error_t *error = nullptr;
    const auto cookie = xcb_get_property(connection, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 4096);
    const ReplyPtr<xcb_get_property_reply_t> reply(xcb_get_property_reply(connection, cookie, &error), &std::free);
    std::free(error);
    if (!reply || reply->type == XCB_ATOM_NONE)
        return std::nullopt;
    if (reply->format != 8)
        return std::string();
    const auto *value = static_cast<const char *>(xcb_get_property_value(reply.get()));
    std::string text(value, static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
    return text.substr(0, text.find('\0'));
}

bool writeProperty(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t property, xcb_atom_t type,
                   const std::string &text)
{
    const auto cookie = xcb_change_property_checked(connection, XCB_PROP_MODE_REPLACE, window, property, type, 8,
                                                    static_cast<std::uint32_t>(text.size()), text.data());
    xcb_generic_error_t *error = xcb_request_check(connection, cookie);
    std::free(error);
    return error == nullptr;
}

// file:///path with every byte outside the unreserved set percent-encoded. No host
// name: a source compares a named host with its own and refuses on a mismatch.
std::string fileUri(const std::string &path)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string uri = "file://";
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) || c == '/' || c == '-' || c == '.' || c == '_' || c == '~') {
            uri += c;
        } else {
            uri += '%';
            uri += digits[byte >> 4];
            uri += digits[byte & 15];
        }
    }
    return uri;
}

mode_t currentUmask()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Umask:", 0) == 0)
            return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
    }
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

// Follows the source writing the file: an ordinary file of the user's once written,
// removed (and kept removed a while) once given up or no longer wanted.
void follow(FileWriteWatch *watch, const std::shared_ptr<DirectSaveTransfer> &transfer)
{
    const std::string path = transfer->path();
    watch->onFinished([watch, path, weak = std::weak_ptr<DirectSaveTransfer>(transfer)](bool written) {
        watch->deleteLater();
        const auto transfer = weak.lock();
        if (transfer && written) {
            // Browsers write the file for the owner alone.
            ::chmod(path.c_str(), 0666 & ~currentUmask());
            return transfer->finish(DirectSaveTransfer::State::Written);
        }
        AbandonedFile::remove(Paths::parentFolder(path), Paths::fileName(path), AbandonedFor);
        if (transfer)
            transfer->finish(DirectSaveTransfer::State::Abandoned);
    });
}

} // namespace

X11DirectSave::X11DirectSave() : m_patience(DefaultPatience) {}

X11DirectSave::X11DirectSave(Patience patience) : m_patience(patience) {}

std::shared_ptr<DirectSaveTransfer> X11DirectSave::saveInto(const std::string &folder,
                                                            const std::function<std::string()> &requestWrite)
{
    const auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return nullptr;
    const xcb_atom_t property = internAtom(connection, "XdndDirectSave0");
    const xcb_window_t source = selectionOwner(connection, internAtom(connection, "XdndSelection"));
    if (property == XCB_ATOM_NONE || source == XCB_WINDOW_NONE)
        return nullptr;
    const std::optional<std::string> suggestedName = readProperty(connection, source, property);
    const std::string path = FileCopy::transferPath(folder, FileCopy::Transfer::DirectSave);
    if (!suggestedName || path.empty())
        return nullptr;

    const std::string name = Paths::fileName(path);
    auto watch = std::make_unique<FileWriteWatch>(folder, name, m_patience, qGuiApp);
    if (!writeProperty(connection, source, property, internAtom(connection, "text/plain"), fileUri(path)))
        return nullptr;
    if (requestWrite().rfind('S', 0) != 0) {
        AbandonedFile::remove(folder, name, AbandonedFor);
        return nullptr;
    }
    auto transfer = std::make_shared<DirectSaveTransfer>(path, *suggestedName);
    follow(watch.release(), transfer);
    return transfer;
}
