#!/usr/bin/python3
"""A WebKitGTK window of the web tests' own, driven by engines.js.

Usage: webkit_view.py WIDTH HEIGHT LOCALE PROFILE-DIR DOWNLOAD-DIR
Requests come as JSON lines on stdin, replies and events go as JSON lines to fd 3: stdout
is left to WebKit, which writes the page's console there. The keyboard and the mouse are
not ours: xdotool gives them as a person would.
"""
import base64
import json
import os
import sys
import tempfile

import gi

gi.require_version("Gtk", "3.0")
gi.require_version("GdkX11", "3.0")
gi.require_version("WebKit2", "4.1")
from gi.repository import GdkX11, GLib, Gtk, WebKit2  # noqa: E402,F401  (GdkX11: get_xid)

width, height, locale, profile, downloads = sys.argv[1:6]
replies = os.fdopen(3, "w", buffering=1)


def send(**message):
    replies.write(json.dumps(message) + "\n")


data = WebKit2.WebsiteDataManager(base_data_directory=os.path.join(profile, "data"),
                                  base_cache_directory=os.path.join(profile, "cache"))
context = WebKit2.WebContext.new_with_website_data_manager(data)
context.set_preferred_languages([locale, locale.split("-")[0]])
# No GPU here: composited on llvmpipe the window showed the page's first frame up to seconds
# after the page had it; drawn without compositing it shows it at once (WebGL works either way).
settings = WebKit2.Settings(enable_webgl=True, enable_write_console_messages_to_stdout=True,
                            javascript_can_access_clipboard=True,
                            hardware_acceleration_policy=WebKit2.HardwareAccelerationPolicy.NEVER)
view = WebKit2.WebView(web_context=context, settings=settings)
window = Gtk.Window(default_width=int(width), default_height=int(height), decorated=False)
window.add(view)
window.move(0, 0)
pending_load = []


def on_load(_view, event):
    if event == WebKit2.LoadEvent.FINISHED:
        while pending_load:
            send(id=pending_load.pop(0), value=None)


def on_load_failed(_view, _event, uri, error):
    while pending_load:
        send(id=pending_load.pop(0), error=f"{uri}: {error.message}")
    return False


view.connect("load-changed", on_load)
view.connect("load-failed", on_load_failed)


def on_download(_context, download):
    def destination(d, suggested):
        d.set_allow_overwrite(True)
        d.set_destination(GLib.filename_to_uri(os.path.join(downloads, suggested), None))
        return True

    def finished(d):
        send(downloaded=GLib.filename_from_uri(d.get_destination())[0])

    def failed(_d, error):
        send(download_failed=error.message)

    download.connect("decide-destination", destination)
    download.connect("finished", finished)
    download.connect("failed", failed)


context.connect("download-started", on_download)


# A close tried as a person closes the window: the page may ask first (a question answered
# "stay"); asked or not, the view stays, so that the session can go on.
closing = []


def on_script_dialog(_view, dialog):
    if dialog.get_dialog_type() != WebKit2.ScriptDialogType.BEFORE_UNLOAD_CONFIRM:
        return False
    dialog.confirm_set_confirmed(False)
    while closing:
        send(id=closing.pop(0), value="asked")
    return True


def on_close(_view):
    while closing:
        send(id=closing.pop(0), value="closed")


view.connect("script-dialog", on_script_dialog)
view.connect("close", on_close)


def evaluated(webview, result, ident):
    try:
        value = webview.call_async_javascript_function_finish(result)
        text = value.to_json(0) if not (value.is_undefined() or value.is_null()) else "null"
        send(id=ident, value=json.loads(text) if text else None)
    except GLib.Error as e:
        send(id=ident, error=e.message)


def snapped(webview, result, ident):
    try:
        surface = webview.get_snapshot_finish(result)
        with tempfile.NamedTemporaryFile(suffix=".png") as f:
            surface.write_to_png(f.name)
            send(id=ident, value=base64.b64encode(open(f.name, "rb").read()).decode())
    except GLib.Error as e:
        send(id=ident, error=e.message)


def on_request(channel, _condition):
    line = channel.readline()
    if not line:
        Gtk.main_quit()
        return False
    request = json.loads(line)
    ident, op = request["id"], request["op"]
    if op == "goto":
        pending_load.append(ident)
        view.load_uri(request["url"])
    elif op == "reload":
        pending_load.append(ident)
        view.reload()
    elif op == "evaluate":
        # A function body: what the script gives, awaited when it is a promise.
        view.call_async_javascript_function("return " + request["script"], -1, None, None,
                                            None, None, evaluated, ident)
    elif op == "shot":
        view.get_snapshot(WebKit2.SnapshotRegion.VISIBLE, WebKit2.SnapshotOptions.NONE, None,
                          snapped, ident)
    elif op == "try_close":
        closing.append(ident)
        view.try_close()
    elif op == "close":
        send(id=ident, value=None)
        Gtk.main_quit()
        return False
    return True


GLib.io_add_watch(GLib.IOChannel.unix_new(sys.stdin.fileno()), GLib.PRIORITY_DEFAULT,
                  GLib.IOCondition.IN | GLib.IOCondition.HUP, on_request)
window.show_all()
view.grab_focus()
send(window=window.get_window().get_xid())
Gtk.main()
