#include "desktop/keyrepeat.h"

#include <QGuiApplication>

// The C header names a field "explicit", a C++ keyword.
#if defined(__clang__)
#pragma clang diagnostic push
#pragma clang diagnostic ignored "-Wkeyword-macro"
#endif
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit
#if defined(__clang__)
#pragma clang diagnostic pop
#endif

#include <cstdint>
#include <cstdlib>
#include <memory>

bool RequestDetectableAutoRepeat()
{
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    // A request of an extension the server lacks would close the connection. The toolkit has
    // asked for this one already, so the answer is at hand and the extension taken into use.
    const xcb_query_extension_reply_t* xkb = connection ? xcb_get_extension_data(connection, &xcb_xkb_id) : nullptr;
    if (!xkb || !xkb->present)
        return false;
    constexpr std::uint32_t kDetectable = XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT;
    const std::unique_ptr<xcb_xkb_per_client_flags_reply_t, decltype(&std::free)> flags(
        xcb_xkb_per_client_flags_reply(
            connection,
            xcb_xkb_per_client_flags(connection, XCB_XKB_ID_USE_CORE_KBD, kDetectable, kDetectable, 0, 0, 0), nullptr),
        &std::free);
    return flags && (flags->value & kDetectable) != 0;
}
