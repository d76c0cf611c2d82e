// Reads one JSON document per line from the file named on the command line and prints
// JSON.stringify(JSON.parse(line)) for each, one per line.
const fs = require('fs');
const lines = fs.readFileSync(process.argv[2], 'utf8').split('\n').filter((l) => l.length > 0);
for (const line of lines) console.log(JSON.stringify(JSON.parse(line)));
