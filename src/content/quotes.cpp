#include "content/quotes.h"

#include <QFile>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <random>
#include <string_view>

// The libraries are linked in from a static library, so their resource file is registered
// explicitly: nothing else would pull it into the program.
static void RegisterQuoteResources() { Q_INIT_RESOURCE(quotes); }

namespace dq {
namespace {

constexpr std::string_view kQuoteBox = "编辑框_寄语";
constexpr std::string_view kNewsBox = "编辑框_新闻";

// 大哥！还没选择让我生成哪一款的寄语呢？励志还是?
constexpr char kNoLibraryChosen[] =
    "\xB4\xF3\xB8\xE7\xA3\xA1\xBB\xB9\xC3\xBB\xD1\xA1\xD4\xF1\xC8\xC3\xCE\xD2\xC9\xFA\xB3\xC9"
    "\xC4\xC4\xD2\xBB\xBF\xEE\xB5\xC4\xBC\xC4\xD3\xEF\xC4\xD8\xA3\xBF\xC0\xF8\xD6\xBE\xBB\xB9"
    "\xCA\xC7?";
constexpr char kDefaultHeader[] = "\xC3\xBF\xC8\xD5\xBC\xC4\xD3\xEF";  // 每日寄语
// 寄语头部内容呢？老铁
constexpr char kHeaderMissing[] =
    "\xBC\xC4\xD3\xEF\xCD\xB7\xB2\xBF\xC4\xDA\xC8\xDD\xC4\xD8\xA3\xBF\xC0\xCF\xCC\xFA";
// Fourteen heavy horizontal lines (━).
constexpr char kSeparator[] =
    "\xA9\xA5\xA9\xA5\xA9\xA5\xA9\xA5\xA9\xA5\xA9\xA5\xA9\xA5\xA9\xA5\xA9\xA5\xA9\xA5\xA9\xA5"
    "\xA9\xA5\xA9\xA5\xA9\xA5";
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
    if (form.checked("励志_单选")) return 1;
    if (form.checked("道德经_单选")) return 2;
    if (form.checked("名言库_单选")) return 1;
    return 0;
}

// A fresh seed for every draw: the system's entropy source, the clock, and a counter, so two
// draws within one clock tick still differ.
std::seed_seq::result_type Mix(std::uint64_t value, int half) {
    return static_cast<std::seed_seq::result_type>(value >> (32 * half));
}

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
        messages.show(kNoLibraryChosen);
        return;
    }
    const Text& quotes = QuoteLibrary(library);
    const std::size_t count = text::Count(quotes, "\n") + 1;
    std::mt19937 generator = FreshlySeededGenerator();
    const std::size_t piece = std::uniform_int_distribution<std::size_t>(1, count)(generator);
    const std::vector<Text> pieces = text::Split(quotes, kNewLine);
    form.setText(kQuoteBox, piece <= pieces.size() ? pieces[piece - 1] : Text());
}

Text QuoteHeaderText(const Form& form, WorkbenchState& state, Messages& messages) {
    if (form.checked("单选框_寄语默认头部")) {
        state.quoteHeader = kDefaultHeader;
    } else if (const Text custom = form.text("编辑框_寄语头部"); !custom.empty()) {
        state.quoteHeader = custom;
    } else {
        messages.show(kHeaderMissing);
    }
    return state.quoteHeader;
}

void QuotePreview(Form& form, WorkbenchState& state, Messages& messages,
                  const std::function<void()>& newsPreview) {
    if (newsPreview) newsPreview();
    const Text header = QuoteHeaderText(form, state, messages);
    form.appendText(kNewsBox, Text(kSeparator) + kNewLine + header + kNewLine + form.text(kQuoteBox));
}

}  // namespace dq
