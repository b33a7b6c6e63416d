#include "app/window_arguments.h"

#include <algorithm>
#include <iterator>
#include <string_view>

#include "headless/solve_options.h"

namespace quodrill {

namespace {

struct QtOption {
    std::string_view name;  // without its dash
    bool takesValue;
};

// The options that Qt's application classes document for every program on Linux.
constexpr QtOption kQtOptions[] = {
    {"platform", true},        {"platformpluginpath", true},
    {"platformtheme", true},   {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowicon", true},
    {"qwindowtitle", true},    {"session", true},
    {"display", true},         {"geometry", true},
    {"style", true},           {"stylesheet", true},
    {"reverse", false},        {"widgetcount", false},
};

const QtOption* findQtOption(std::string_view name) {
    const auto found = std::find_if(std::begin(kQtOptions), std::end(kQtOptions),
                                    [name](const QtOption& option) { return option.name == name; });
    return found != std::end(kQtOptions) ? found : nullptr;
}

}  // namespace

WindowArguments parseWindowArguments(const std::vector<std::string>& arguments) {
    WindowArguments parsed;
    // Qt's options come out first; the rest are read as quodrill --solve reads its own.
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--") {
            rest.insert(rest.end(), arguments.begin() + static_cast<std::ptrdiff_t>(i),
                        arguments.end());
            break;
        }
        if (!argument.starts_with("-")) {
            rest.push_back(argument);
            continue;
        }
        std::string_view name = argument;
        name.remove_prefix(name.starts_with("--") ? 2 : 1);
        // -style=NAME and -stylesheet=FILE are Qt's too.
        if (const std::size_t equals = name.find('='); equals != std::string_view::npos) {
            const std::string_view before = name.substr(0, equals);
            if (before == "style" || before == "stylesheet") {
                continue;
            }
        }
        const QtOption* option = findQtOption(name);
        if (option == nullptr) {
            rest.push_back(argument);
            continue;
        }
        if (!option->takesValue) {
            continue;
        }
        if (i + 1 == arguments.size()) {
            parsed.error = argument + " needs a value";
            return parsed;
        }
        ++i;  // Qt reads the value itself
    }
    const ParsedSolveOptions own = parseProgramOptions(rest, false);
    parsed.error = own.error;
    parsed.files = own.options.files;
    parsed.seed = own.options.seed;
    parsed.help = own.help;
    parsed.version = own.version;
    return parsed;
}

}  // namespace quodrill
