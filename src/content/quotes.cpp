#include "content/quotes.h"

#include <QFile>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <random>
#include <string_view>

#include "web/gbk_literal.h"
#include "workbench/control_names.h"

// The libraries are linked in from a static library, so their resource file is registered
// explicitly: nothing else would pull it into the program.
static void RegisterQuoteResources() { Q_INIT_RESOURCE(quotes); }

namespace dq {
namespace {

using namespace dq::literals;

// Fourteen heavy horizontal lines.
const Text& Separator() { return "━━━━━━━━━━━━━━"_gbk; }
constexpr char kNewLine[] = "\r\n";

Text LoadResource(const char* path) {
    RegisterQuoteResources();
    QFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    return TextFromBytes(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

// The library chosen by the radio buttons, tested in their fixed order; 0 when none is checked.
int ChosenLibrary(const Form& form) {
    if (form.checked(controls::kMotivationalQuotes)) return 1;
    if (form.checked(controls::kDaodejingQuotes)) return 2;
    if (form.checked(controls::kSayingsQuotes)) return 1;
    return 0;
}

// A fresh seed for every draw: the system's entropy source, the clock, and a counter, so two
// draws within one clock tick still differ.
std::seed_seq::result_type Mix(std::uint64_t value, int half) {
    return static_cast<std::seed_seq::result_type>(value >> (32 * half));
}

std::atomic<std::size_t> fixedDraw{0};

std::mt19937 FreshlySeededGenerator() {
    static std::atomic<std::uint64_t> draws{0};
    std::random_device entropy;
    const auto now = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    const std::uint64_t draw = draws.fetch_add(1);
    std::seed_seq seed{entropy(), entropy(), Mix(now, 0), Mix(now, 1), Mix(draw, 0), Mix(draw, 1)};
    return std::mt19937(seed);
}

}  // namespace

const Text& QuoteLibrary(int number) {
    static const Text motivational = LoadResource(":/quotes/motivational.txt");
    static const Text daodejing = LoadResource(":/quotes/daodejing.txt");
    static const Text none;
    if (number == 1) return motivational;
    if (number == 2) return daodejing;
    return none;
}

void DrawQuote(Form& form, Messages& messages) {
    const int library = ChosenLibrary(form);
    if (library == 0) {
        messages.show("大哥！还没选择让我生成哪一款的寄语呢？励志还是?"_gbk);
        return;
    }
    const Text& quotes = QuoteLibrary(library);
    const std::size_t count = text::Count(quotes, "\n") + 1;
    std::size_t piece = fixedDraw.load();
    if (piece == 0) {
        std::mt19937 generator = FreshlySeededGenerator();
        piece = std::uniform_int_distribution<std::size_t>(1, count)(generator);
    }
    const std::vector<Text> pieces = text::Split(quotes, kNewLine);
    form.setText(controls::kQuoteBox, piece <= pieces.size() ? pieces[piece - 1] : Text());
}

Text QuoteHeaderText(const Form& form, WorkbenchState& state, Messages& messages) {
    if (form.checked(controls::kQuoteDefaultHeader)) {
        state.quoteHeader = "每日寄语"_gbk;
    } else if (const Text custom = form.text(controls::kQuoteHeaderBox); !custom.empty()) {
        state.quoteHeader = custom;
    } else {
        messages.show("寄语头部内容呢？老铁"_gbk);
    }
    return state.quoteHeader;
}

void QuotePreview(Form& form, WorkbenchState& state, Messages& messages,
                  const std::function<void()>& newsPreview) {
    if (newsPreview) newsPreview();
    const Text header = QuoteHeaderText(form, state, messages);
    form.appendText(controls::kNewsBox,
                    Separator() + kNewLine + header + kNewLine + form.text(controls::kQuoteBox));
}

namespace testing {

void FixQuoteDraw(std::size_t piece) { fixedDraw.store(piece); }

}  // namespace testing
}  // namespace dq
