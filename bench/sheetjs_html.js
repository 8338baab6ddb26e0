// SheetJS as a peer of bench/floor.sh: reads a workbook (XLSX, ODS) with the
// npm package `xlsx` and writes every sheet to one HTML file with
// sheet_to_html, as a host using it would.
// Usage: NODE_PATH=DIR/node_modules node bench/sheetjs_html.js WORKBOOK OUTPUT
const fs = require('fs');
const XLSX = require('xlsx');

const [input, output] = process.argv.slice(2);
const workbook = XLSX.readFile(input);
const out = fs.openSync(output, 'w');
for (const name of workbook.SheetNames) {
  fs.writeSync(out, XLSX.utils.sheet_to_html(workbook.Sheets[name]));
}
fs.closeSync(out);
