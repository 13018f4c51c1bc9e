// A drag source for tests: drops the formats a browser was recorded offering (a fixture
// folder) onto an X11 window, speaking XDND, and answers a direct-save request (XDS) the
// way Firefox does: it creates the file with mode 0600, answers "S", and only then writes
// the picture into it.
//
//   xdssource --target WINDOW --at X,Y --fixture FOLDER
//             [--xds-name NAME] [--xds-file PICTURE] [--xds-answer S|F|E|refuse]
//             [--write-delay-ms N]
//
// Without --xds-name the source window has no XdndDirectSave0 property. It prints one
// line per request ("asked FORMAT"), per direct-save answer and at the end.

#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <memory>
#include <poll.h>
#include <sstream>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

struct Settings
{
    xcb_window_t target = 0;
    int x = 0;
    int y = 0;
    std::string fixture;
    std::string xdsName;
    bool xdsProperty = false;
    std::string xdsFile;
    std::string answer = "S";
    int writeDelayMs = 0;
};

struct Offer
{
    std::string format;
    xcb_atom_t atom = XCB_ATOM_NONE;
    std::string data;
};

std::string readAll(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

[[noreturn]] void fail(const std::string &why, int code)
{
    std::printf("failed: %s\n", why.c_str());
    std::fflush(stdout);
    std::exit(code);
}

Settings parse(int argc, char **argv)
{
    Settings settings;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string key = argv[i];
        const std::string value = argv[i + 1];
        if (key == "--target")
            settings.target = static_cast<xcb_window_t>(std::strtoul(value.c_str(), nullptr, 0));
        else if (key == "--at")
            std::sscanf(value.c_str(), "%d,%d", &settings.x, &settings.y);
        else if (key == "--fixture")
            settings.fixture = value;
        else if (key == "--xds-name")
            settings.xdsName = value, settings.xdsProperty = true;
        else if (key == "--xds-file")
            settings.xdsFile = value;
        else if (key == "--xds-answer")
            settings.answer = value;
        else if (key == "--write-delay-ms")
            settings.writeDelayMs = std::atoi(value.c_str());
        else
            fail("unknown option " + key, 2);
    }
    if (!settings.target || settings.fixture.empty())
        fail("--target and --fixture are needed", 2);
    return settings;
}

std::string percentDecoded(const std::string &text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            out += static_cast<char>(std::strtol(text.substr(i + 1, 2).c_str(), nullptr, 16));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

class Source
{
public:
    explicit Source(Settings settings) : m_settings(std::move(settings))
    {
        int screenNumber = 0;
        m_connection = xcb_connect(nullptr, &screenNumber);
        if (xcb_connection_has_error(m_connection))
            fail("no X display", 3);
        xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(m_connection));
        for (int i = 0; i < screenNumber; ++i)
            xcb_screen_next(&screens);
        m_window = xcb_generate_id(m_connection);
        xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, m_window, screens.data->root, -10, -10, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
        loadOffers();
    }
    ~Source() { xcb_disconnect(m_connection); }

    int run()
    {
        announce();
        const xcb_client_message_event_t status = waitForMessage("XdndStatus");
        if (!(status.data.data32[1] & 1)) {
            sendToTarget("XdndLeave", {m_window, 0, 0, 0, 0});
            fail("the target refused the drag", 4);
        }
        sendToTarget("XdndDrop", {m_window, 0, XCB_CURRENT_TIME, 0, 0});
        const xcb_client_message_event_t finished = waitForMessage("XdndFinished");
        std::printf("finished accepted=%u\n", finished.data.data32[1] & 1);
        return 0;
    }

private:
    xcb_atom_t atom(const std::string &name)
    {
        const auto cookie = xcb_intern_atom(m_connection, 0, static_cast<std::uint16_t>(name.size()), name.c_str());
        std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
            xcb_intern_atom_reply(m_connection, cookie, nullptr), &std::free);
        return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    }

    // formats.tsv: index, format, size (or a note where the format was not read).
    void loadOffers()
    {
        std::istringstream lines(readAll(m_settings.fixture + "/formats.tsv"));
        std::string line;
        while (std::getline(lines, line)) {
            std::istringstream fields(line);
            std::string index, format;
            std::getline(fields, index, '\t');
            std::getline(fields, format, '\t');
            // Qt adds this one itself wherever pictures are offered.
            if (format.empty() || format == "application/x-qt-image")
                continue;
            Offer offer{format, atom(format), {}};
            if (format != "XdndDirectSave0")
                offer.data = readAll(m_settings.fixture + "/" + index + ".bin");
            m_offers.push_back(offer);
        }
    }

    void setProperty(xcb_window_t window, xcb_atom_t property, xcb_atom_t type, int format, const void *data,
                     std::size_t units)
    {
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, window, property, type, static_cast<uint8_t>(format),
                            static_cast<uint32_t>(units), data);
    }

    void sendToTarget(const char *type, std::vector<uint32_t> data)
    {
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = m_settings.target;
        message.type = atom(type);
        for (std::size_t i = 0; i < 5 && i < data.size(); ++i)
            message.data.data32[i] = data[i];
        xcb_send_event(m_connection, 0, m_settings.target, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char *>(&message));
        xcb_flush(m_connection);
    }

    void announce()
    {
        std::vector<xcb_atom_t> types;
        for (const Offer &offer : m_offers)
            types.push_back(offer.atom);
        setProperty(m_window, atom("XdndTypeList"), XCB_ATOM_ATOM, 32, types.data(), types.size());
        if (m_settings.xdsProperty)
            setProperty(m_window, atom("XdndDirectSave0"), atom("text/plain"), 8, m_settings.xdsName.data(),
                        m_settings.xdsName.size());
        xcb_set_selection_owner(m_connection, m_window, atom("XdndSelection"), XCB_CURRENT_TIME);
        types.resize(3, XCB_ATOM_NONE);
        sendToTarget("XdndEnter",
                     {m_window, (5u << 24) | (m_offers.size() > 3 ? 1u : 0u), types[0], types[1], types[2]});
        sendToTarget("XdndPosition", {m_window, 0, static_cast<uint32_t>(m_settings.x << 16 | m_settings.y),
                                      XCB_CURRENT_TIME, atom("XdndActionCopy")});
    }

    // Serves data requests until the target sends the message of that type.
    xcb_client_message_event_t waitForMessage(const char *type)
    {
        const xcb_atom_t wanted = atom(type);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (std::chrono::steady_clock::now() < deadline) {
            std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(xcb_poll_for_event(m_connection),
                                                                             &std::free);
            if (!event) {
                if (xcb_connection_has_error(m_connection))
                    fail("the X connection broke", 5);
                pollfd descriptor{xcb_get_file_descriptor(m_connection), POLLIN, 0};
                poll(&descriptor, 1, 100);
                continue;
            }
            const auto kind = event->response_type & 0x7F;
            if (kind == XCB_SELECTION_REQUEST)
                serve(*reinterpret_cast<xcb_selection_request_event_t *>(event.get()));
            if (kind == XCB_CLIENT_MESSAGE) {
                const auto &message = *reinterpret_cast<xcb_client_message_event_t *>(event.get());
                if (message.type == wanted)
                    return message;
            }
        }
        fail(std::string("no ") + type + " from the target", 6);
    }

    void serve(const xcb_selection_request_event_t &request)
    {
        const xcb_atom_t property = request.property ? request.property : request.target;
        bool answered = false;
        for (const Offer &offer : m_offers) {
            if (offer.atom != request.target)
                continue;
            std::printf("asked %s\n", offer.format.c_str());
            if (offer.format == "XdndDirectSave0") {
                answered = directSave(request, property);
            } else {
                setProperty(request.requestor, property, request.target, 8, offer.data.data(), offer.data.size());
                answered = true;
            }
        }
        notify(request, answered ? property : static_cast<xcb_atom_t>(XCB_ATOM_NONE));
        if (m_pendingWrite.empty())
            return;
        // Like a browser downloading the picture into the file it has already announced.
        std::this_thread::sleep_for(std::chrono::milliseconds(m_settings.writeDelayMs));
        const std::string bytes = readAll(m_settings.xdsFile);
        // Created afresh if need be, as a browser's download does.
        const int file = ::open(m_pendingWrite.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        for (std::size_t at = 0; file >= 0 && at < bytes.size(); at += 1024) {
            if (::write(file, bytes.data() + at, std::min<std::size_t>(1024, bytes.size() - at)) < 0)
                break;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        if (file >= 0)
            ::close(file);
        std::printf("wrote %s\n", m_pendingWrite.c_str());
        m_pendingWrite.clear();
    }

    void notify(const xcb_selection_request_event_t &request, xcb_atom_t property)
    {
        xcb_selection_notify_event_t notice{};
        notice.response_type = XCB_SELECTION_NOTIFY;
        notice.time = request.time;
        notice.requestor = request.requestor;
        notice.selection = request.selection;
        notice.target = request.target;
        notice.property = property;
        xcb_send_event(m_connection, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char *>(&notice));
        xcb_flush(m_connection);
    }

    // The path the target named in our XdndDirectSave0 property.
    std::string namedPath()
    {
        const auto cookie =
            xcb_get_property(m_connection, 0, m_window, atom("XdndDirectSave0"), XCB_GET_PROPERTY_TYPE_ANY, 0, 4096);
        std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
            xcb_get_property_reply(m_connection, cookie, nullptr), &std::free);
        if (!reply)
            return {};
        const std::string uri(static_cast<const char *>(xcb_get_property_value(reply.get())),
                              static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
        if (uri.rfind("file://", 0) != 0)
            return {};
        const std::string rest = uri.substr(7);
        return percentDecoded(rest.substr(rest.find('/')));
    }

    bool directSave(const xcb_selection_request_event_t &request, xcb_atom_t property)
    {
        if (m_settings.answer == "refuse")
            return false;
        const std::string path = namedPath();
        std::string answer = m_settings.answer;
        if (answer != "F") {
            const int file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
            if (file < 0) {
                answer = 'E'; // one character: GCC 12 warns falsely (-Wrestrict) of a text literal here
            } else if (answer == "E") {
                const std::string half = readAll(m_settings.xdsFile).substr(0, 100);
                (void)!::write(file, half.data(), half.size());
            } else {
                m_pendingWrite = path;
            }
            if (file >= 0)
                ::close(file);
        }
        setProperty(request.requestor, property, request.target, 8, answer.data(), answer.size());
        std::printf("answered %s for %s\n", answer.c_str(), path.c_str());
        return true;
    }

    Settings m_settings;
    xcb_connection_t *m_connection = nullptr;
    xcb_window_t m_window = 0;
    std::vector<Offer> m_offers;
    std::string m_pendingWrite;
};

} // namespace

int main(int argc, char **argv)
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    Source source(parse(argc, argv));
    return source.run();
}
