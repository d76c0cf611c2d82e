// JsonReader Parse + ToJsonText of a 1 MB document (GBK Text in and out) beside nlohmann's
// own parse + dump of the same document in UTF-8.
#include <benchmark/benchmark.h>
#include <nlohmann/json.hpp>

#include <string>

#include "services/json_reader.h"
#include "web/encoding.h"

namespace {

constexpr std::size_t kDocumentBytes = 1 << 20;

// A plug-in list of the size of a large interface answer: objects with Chinese and ASCII
// strings, numbers and nested arrays.
const std::string& Utf8Document() {
    static const std::string document = [] {
        std::string text = "{\"List\":[";
        for (int i = 0; text.size() < kDocumentBytes; ++i) {
            if (i > 0) text += ",";
            text += "{\"Name\":\"新浪短网址 " + std::to_string(i) +
                    "\",\"Author\":\"Pemmik\",\"Version\":\"1.0." + std::to_string(i % 10) +
                    "\",\"Short API\":{\"Type\":\"GET\",\"Data\":\"url=$Url$&key=abc\","
                    "\"API Path\":\"https://dwz.example.com/api/v2?\"},\"Rank\":" +
                    std::to_string(i * 0.25) + ",\"Tags\":[\"短链\",\"稳定\",true,null]}";
        }
        return text + "]}";
    }();
    return document;
}

void BM_JsonReaderParseAndText(benchmark::State& state) {
    const dq::Text document = dq::Utf8ToAnsi(Utf8Document());
    for (auto _ : state) {
        dq::JsonReader reader;
        if (!reader.Parse(document)) state.SkipWithError("not parsed");
        const dq::Text compact = reader.ToJsonText();
        benchmark::DoNotOptimize(compact.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * document.size()));
}

void BM_NlohmannParseAndDump(benchmark::State& state) {
    const std::string& document = Utf8Document();
    for (auto _ : state) {
        const nlohmann::ordered_json value = nlohmann::ordered_json::parse(document);
        const std::string compact = value.dump();
        benchmark::DoNotOptimize(compact.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Utf8Document().size()));
}

BENCHMARK(BM_JsonReaderParseAndText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NlohmannParseAndDump)->Unit(benchmark::kMillisecond);

}  // namespace
