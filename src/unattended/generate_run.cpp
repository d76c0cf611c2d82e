#include "unattended/generate_run.h"

#include <filesystem>

#include "content/news_catalogue.h"
#include "robots/post_briefing.h"
#include "unattended/design_form.h"
#include "unattended/exit_status.h"
#include "unattended/stream_messages.h"
#include "web/encoding.h"
#include "workbench/briefing.h"
#include "workbench/control_names.h"
#include "workbench/message_texts.h"
#include "workbench/own_presets.h"
#include "workbench/saved_choices.h"

namespace dq {
namespace {

// Why the saved presets cannot give a briefing; empty when they can.
std::string MissingChoice(const Form& form, const WorkbenchState& state) {
    if (form.text(controls::kCity).empty()) return "the presets name no city (城镇)";
    const std::optional<NewsRequest> source = ChosenNewsSource(form, state);
    if (!source) return "the saved news page has no chosen source";
    if (source->address.empty()) return "no custom news source has been chosen";
    return {};
}

std::string ProgressLine(BriefingStep step, const Form& form, const WorkbenchState& state) {
    switch (step) {
        case BriefingStep::Weather:
            return "weather… " + AnsiToUtf8(form.text(controls::kCity));
        case BriefingStep::News: {
            const std::optional<NewsRequest> source = ChosenNewsSource(form, state);
            return "news… " + (source ? AnsiToUtf8(source->address) : std::string());
        }
        case BriefingStep::Quote:
            return "quote…";
    }
    return {};
}

}  // namespace

int RunGenerate(const GenerateOptions& options, std::ostream& out, std::ostream& err) {
    StreamMessages report(err);
    const PresetStore presets(options.directory);
    PlainForm form = MainWindowAsDesigned();
    WorkbenchState state;
    RestoreSavedChoices(form, state, report, presets);
    RestoreInterfaceRow(form, presets);

    if (const std::string missing = MissingChoice(form, state); !missing.empty()) {
        report.note("dawnquill: " + missing + " in " + presets.path() +
                      "; choose it in the window and press 保存预设");
        return exit_status::kNothingToBuild;
    }
    const bool rebuilt = RebuildBriefing(form, state, report, [&](BriefingStep step) {
        report.note(ProgressLine(step, form, state));
    });
    if (!rebuilt) return exit_status::kNothingToBuild;

    bool written = false;
    if (options.print) {
        out << AnsiToUtf8(BriefingText(form)) << std::flush;
        written = static_cast<bool>(out);
        if (!written) report.note("dawnquill: the briefing could not be written to standard output");
    } else {
        const std::string path =
            options.output.empty()
                ? (std::filesystem::path(options.directory) / "wx.txt").string()
                : options.output;
        written = WriteBriefing(form, report, path);
        if (written) report.note("written " + path);
    }
    if (written) report.showSuccess();
    const bool posted =
        !options.post || robots::PostBriefingUnattended(BriefingText(form), options.directory, err);

    if (!written) return exit_status::kNotWritten;
    if (report.said(messages::PatternFailed()) || report.said(messages::NothingMatched()))
        return exit_status::kNewsFailed;
    if (!posted) return exit_status::kNotPosted;
    return exit_status::kDone;
}

}  // namespace dq
