// SPDX-License-Identifier: MIT
// The one place where C++ meets the page. The page calls the exported functions below with
// program and control names and typed text; the program's window, its changes and its dialogs
// go to the page's `host` object as JSON and plain strings. Dialogs return through Asyncify:
// the handler's stack is put aside while the page waits for the user, then resumed.
#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <stdexcept>

#include "all_programs.h"
#include "rt/web/web_session.h"

namespace {

// clang-format off
EM_JS(void, js_show_window, (const char* form_json), {
    Module.host.showWindow(JSON.parse(UTF8ToString(form_json)));
});
EM_JS(void, js_control_changed, (const char* name, const char* state_json), {
    Module.host.controlChanged(UTF8ToString(name), JSON.parse(UTF8ToString(state_json)));
});
EM_JS(void, js_printed, (int cleared, const char* appended), {
    Module.host.printed(cleared !== 0, UTF8ToString(appended));
});
EM_ASYNC_JS(void, js_message_box, (const char* prompt, int style, const char* title), {
    await Module.host.messageBox(UTF8ToString(prompt), style, UTF8ToString(title));
});
EM_ASYNC_JS(char*, js_input_box, (const char* prompt, const char* title), {
    const text = await Module.host.inputBox(UTF8ToString(prompt), UTF8ToString(title));
    const size = lengthBytesUTF8(text) + 1;
    const copy = _malloc(size);
    stringToUTF8(text, copy, size);
    return copy;
});
// Seconds since local midnight from the page's high-resolution clock: Date alone gives whole
// milliseconds, and Randomize wants every bit of the time it is given.
EM_JS(double, js_time_of_day, (), {
    const now = performance.timeOrigin + performance.now();
    const day = new Date(now);
    return (now - new Date(day.getFullYear(), day.getMonth(), day.getDate()).getTime()) / 1000;
});
// clang-format on

class JsPage final : public rt::web::Page {
public:
    void show_window(const std::string& form_json) override { js_show_window(form_json.c_str()); }
    void control_changed(const std::string& name, const std::string& state_json) override {
        js_control_changed(name.c_str(), state_json.c_str());
    }
    void printed(bool cleared, const rt::Text& appended) override { js_printed(cleared ? 1 : 0, appended.c_str()); }
    void message_box(const rt::Text& prompt, int style, const rt::Text& title) override {
        js_message_box(prompt.c_str(), style, title.c_str());
    }
    rt::Text input_box(const rt::Text& prompt, const rt::Text& title) override {
        const std::unique_ptr<char, decltype(&std::free)> text(js_input_box(prompt.c_str(), title.c_str()), &std::free);
        return rt::Text(text.get());
    }
    double time_of_day() override { return js_time_of_day(); }
};

// The page shows one program at a time; these live as long as the page.
JsPage page;
std::optional<rt::web::WebSession> session;

}  // namespace

extern "C" {

/// Opens the named program's window: 0 when it runs, 1 when there is no such program, 2 when
/// its description or module is wrong (the reason goes to the console).
EMSCRIPTEN_KEEPALIVE int web_open(const char* name) {
    session.reset();
    try {
        const programs::ProgramModule& program = programs::find(name);
        session.emplace(program.description(), program.make_module, page);
        return 0;
    } catch (const std::out_of_range&) {
        return 1;
    } catch (const rt::DescriptionError& e) {
        emscripten_log(EM_LOG_ERROR, "%s: %s", name, e.what());
        return 2;
    }
}

/// Delivers a click of the named button; the promise the page gets settles when the handler,
/// and any dialog it opens, has finished.
EMSCRIPTEN_KEEPALIVE void web_click(const char* button_name) {
    if (session) session->click(button_name);
}

/// The user's own edit of a text box: the page already shows it.
EMSCRIPTEN_KEEPALIVE void web_typed(const char* text_box_name, const char* text) {
    if (session) session->typed(text_box_name, text);
}

/// Closes the program's window.
EMSCRIPTEN_KEEPALIVE void web_close() { session.reset(); }

}  // extern "C"
