// JavaScript's RegExp on the hot-list page that bench_regex builds: catalogue pattern 16 with
// the flags the news extraction uses (global, ignore case, multi-line), every match and both
// groups read. Run: node bench/regex_node_bench.js
'use strict';

const ROWS = 5000;

// Keep in step with PageOfRows() in bench_regex.cpp.
function pageOfRows() {
  const parts = ['<html><head><meta charset="utf-8"><title>今日热榜</title></head><body><table>\n'];
  for (let k = 0; k < ROWS; ++k) {
    parts.push(`<tr><td class="idx" data-rank="hot">${k}</td><td class="al"><a href="/l/${k}abcdef" target="_blank" ` +
      `rel="nofollow" itemid="${100000 + k}">第${k}条：城市早间新闻标题，今日天气晴转多云</a></td>` +
      `<td>热度 ${k}万</td><td class="note">这里是一段说明文字，用来填充页面，模拟真实的热榜页面内容。</td>` +
      '<td class="src">来源：城市晨报编辑部，记者张三，责任编辑李四，供稿城市新闻网，转载请注明出处，谢谢合作。</td></tr>\n');
  }
  parts.push('</table></body></html>\n');
  return parts.join('');
}

const page = pageOfRows();
const pattern = '<td class="al"><a href="(.*?)" target="_blank" rel="nofollow" itemid="\\d{1,8}">(.*?)</a></td>';

function run(text) {
  // A fresh RegExp per run, as RegexService compiles per Create.
  const regex = new RegExp(pattern, 'gim');
  let bytes = 0;
  let count = 0;
  for (const m of text.matchAll(regex)) {
    bytes += m[1].length + m[2].length;
    ++count;
  }
  if (count !== ROWS) throw new Error(`expected ${ROWS} matches, got ${count}`);
  return bytes;
}

const bytes = Buffer.from(page, 'utf8');

// Times fn over at least three seconds and prints median, mean and minimum in milliseconds.
function time(label, fn) {
  for (let k = 0; k < 20; ++k) fn();  // warm-up: let V8 tier up the RegExp and the loop
  const times = [];
  const end = Date.now() + 3000;
  while (Date.now() < end || times.length < 20) {
    const start = process.hrtime.bigint();
    fn();
    times.push(Number(process.hrtime.bigint() - start) / 1e6);
  }
  times.sort((a, b) => a - b);
  const mean = times.reduce((a, b) => a + b, 0) / times.length;
  console.log(`${label}: median ${times[times.length >> 1].toFixed(2)} ms, mean ${mean.toFixed(2)} ms, ` +
    `min ${times[0].toFixed(2)} ms over ${times.length} runs`);
}

console.log(`node ${process.version}, page ${(bytes.length / 1e6).toFixed(2)} MB UTF-8, ${ROWS} rows`);
// Decoding alone: the page's UTF-8 bytes to a JavaScript string.
time('decoding: UTF-8 bytes to a string', () => bytes.toString('utf8').length);
// Matching alone: the page already a JavaScript string, RegExp matching and group reading.
time('matching: RegExp over the page string', () => run(page));
