// Reads a JSON array of {pattern, subject, flags} cases from the file named on the command
// line and prints, for each case, every match of JavaScript's RegExp as [match, group 1, ...]
// (null for a group that took no part) and the subject with every match wrapped as "<$&>",
// or {"error": message} when the pattern is invalid.
'use strict';
const fs = require('fs');

const cases = JSON.parse(fs.readFileSync(process.argv[2], 'utf8'));
const results = cases.map(({ pattern, subject, flags }) => {
  let regex;
  try {
    regex = new RegExp(pattern, flags);
  } catch (e) {
    return { error: String(e.message) };
  }
  const found = flags.includes('g') ? [...subject.matchAll(regex)] : [regex.exec(subject)].filter(Boolean);
  return { matches: found.map((m) => Array.from(m)), replaced: subject.replace(regex, '<$&>') };
});
process.stdout.write(JSON.stringify(results));
