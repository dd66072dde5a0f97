#include "cli/CliApp.h"

#include "cli/ExportCommand.h"
#include "cli/PublishCommand.h"
#include "cli/RoundCommands.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <memory>
#include <utility>

namespace corvane {

namespace {

constexpr const char* cliName = "corvane-cli";
constexpr const char* cliDescription =
    "Works on the tournaments of a Corvane working directory without opening any window.";
constexpr const char* cliFooter =
    "Run 'corvane-cli SUBCOMMAND --help' for what a subcommand takes.\n\n"
    "export, pairings and schedule print CSV. A name that begins with =, +, -, @, a\n"
    "tab or a carriage return is printed with an apostrophe (') before it, so that\n"
    "no spreadsheet runs it as a formula; --raw after the subcommand prints every\n"
    "name exactly as stored, for programs that read the CSV.\n\n"
    "Exit status: 2 when the command line is wrong, 1 when standard output could\n"
    "not be written whole (a full disk), otherwise the subcommand's.";

// Every subcommand, in the order corvane-cli --help lists them. A new one is a
// file of its own and one entry here.
const CliCommand* const commands[] = {&publishCommand, &exportCommand, &pairingsCommand,
                                      &scheduleCommand};

// Usage first, as command-line tools print it, then the description and the rest.
class UsageFirstFormat : public CLI::Formatter {
public:
    std::string make_help(const CLI::App* app, std::string name,
                          CLI::AppFormatMode mode) const override {
        if (mode == CLI::AppFormatMode::Sub) {
            return make_expanded(app);
        }
        return make_usage(app, std::move(name)) + make_description(app) + make_positionals(app) +
               make_groups(app, mode) + make_subcommands(app, mode) + "\n" + make_footer(app);
    }
};

// The deepest (sub)command the command line chose, as far as it was read, and
// its name as typed: "corvane-cli publish".
std::pair<const CLI::App*, std::string> chosenCommand(const CLI::App* app) {
    std::string name = app->get_name();
    while (!app->get_subcommands().empty()) {
        app = app->get_subcommands().front();
        name += " " + app->get_name();
    }
    return {app, name};
}

void configure(CLI::App& app, const std::string& program) {
    auto format = std::make_shared<UsageFirstFormat>();
    app.formatter(format);
    app.set_help_flag("-h,--help", "Show this help and exit");
    app.set_version_flag("--version", program + " " + CORVANE_VERSION, "Show the version and exit");
    // A wrong command line: what is wrong, and the usage of the command it was for.
    app.failure_message([program, format](const CLI::App* parsed, const CLI::Error& error) {
        const auto [command, name] = chosenCommand(parsed);
        return program + ": " + error.what() + "\n" + format->make_usage(command, name) + "Run '" +
               name + " --help' for more information.\n";
    });
}

// Help and version come as parse "errors" that succeed; the rest are usage errors.
int report(const CLI::App& app, const CLI::Error& error, const CliOutput& output) {
    return app.exit(error, output.out, output.err) == 0 ? cliOk : cliUsage;
}

// What was printed is worth nothing cut short (a full disk, a closed pipe):
// the stream is flushed and checked, and a failure is said and fails the run.
int checkOutput(const CliOutput& output, int status) {
    output.out.flush();
    if (output.out) {
        return status;
    }
    output.err << output.program
               << ": could not write to standard output; what it shows is incomplete\n";
    return status == cliUsage ? cliUsage : cliFailed;
}

// Parses `arguments` into `app`; on success runs what `chosen` picks for the
// parsed command line.
template <typename Choose>
int parseAndRun(CLI::App& app, const CliOutput& output, const std::vector<std::string>& arguments,
                Choose chosen) {
    // CLI11 takes the arguments last first.
    std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::RequiredError& error) {
        // A word where the subcommand belongs is told as itself, not as a missing subcommand.
        const std::vector<std::string> unknown = app.remaining();
        return checkOutput(output, unknown.empty()
                                       ? report(app, error, output)
                                       : report(app, CLI::ExtrasError(unknown), output));
    } catch (const CLI::ParseError& error) {
        return checkOutput(output, report(app, error, output));
    }
    const CliAction& action = chosen();
    return checkOutput(output, action(output));
}

} // namespace

int runCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    CLI::App app{cliDescription, cliName};
    configure(app, cliName);
    app.footer(cliFooter);
    app.require_subcommand(1);
    std::vector<std::pair<const CLI::App*, CliAction>> actions;
    for (const CliCommand* command : commands) {
        CLI::App* sub = app.add_subcommand(command->name, command->description);
        sub->footer(command->footer);
        sub->fallthrough(); // --version after the subcommand too
        actions.emplace_back(sub, command->define(*sub));
    }
    const CliOutput output{cliName, out, err};
    return parseAndRun(app, output, arguments, [&]() -> const CliAction& {
        // require_subcommand(1) leaves exactly one parsed.
        const CLI::App* parsed = app.get_subcommands().front();
        return std::find_if(actions.begin(), actions.end(),
                            [parsed](const auto& entry) { return entry.first == parsed; })
            ->second;
    });
}

int runCommandAlone(const CliCommand& command, const std::string& program,
                    const std::vector<std::string>& arguments, std::ostream& out,
                    std::ostream& err) {
    CLI::App app{command.description, program};
    configure(app, program);
    app.footer(command.footer);
    const CliAction action = command.define(app);
    return parseAndRun(app, CliOutput{program, out, err}, arguments,
                       [&]() -> const CliAction& { return action; });
}

} // namespace corvane
