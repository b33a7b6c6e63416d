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
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument == "-" || !argument.starts_with("-")) {
            parsed.files.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (argument == "--seed" || argument.starts_with("--seed=")) {
            const bool joined = argument != "--seed";
            if (!joined && i + 1 == arguments.size()) {
                parsed.error = "--seed needs a number";
                return parsed;
            }
            const std::string value = joined ? argument.substr(7) : arguments[++i];
            parsed.seed = readSeed(value);
            if (!parsed.seed) {
                parsed.error = seedError(value);
                return parsed;
            }
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
            parsed.error = "unknown option " + argument;
            return parsed;
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
    return parsed;
}

}  // namespace quodrill
