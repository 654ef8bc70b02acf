// Reads Aztec symbols (runes included) from binary PGM files with zxing-wasm, offline: the
// WebAssembly module is loaded from node_modules, never fetched.
// Prints per file: "OK <hex bytes> <sequence index> <sequence size> <sequence id>" or "FAIL <why>".
import { readFileSync } from "node:fs";
import { createRequire } from "node:module";
import { prepareZXingModule, readBarcodes } from "zxing-wasm/reader";

const require = createRequire(import.meta.url);
await prepareZXingModule({
  overrides: { wasmBinary: readFileSync(require.resolve("zxing-wasm/reader/zxing_reader.wasm")) },
  fireImmediately: true,
});

function readPgm(path) {
  const data = readFileSync(path);
  const header = data.toString("latin1", 0, 64).match(/^P5\s+(\d+)\s+(\d+)\s+(\d+)\s/);
  const [, width, height] = header.map(Number);
  const pixels = data.subarray(header[0].length);
  const rgba = new Uint8ClampedArray(width * height * 4);
  for (let i = 0; i < width * height; ++i) {
    rgba.fill(pixels[i], 4 * i, 4 * i + 3);
    rgba[4 * i + 3] = 255;
  }
  return { data: rgba, width, height, colorSpace: "srgb" };
}

for (const path of process.argv.slice(2)) {
  const results = await readBarcodes(readPgm(path), {
    formats: ["Aztec"],
    tryHarder: false,
    tryRotate: false,
    tryInvert: false,
    tryDownscale: false,
    isPure: true,
    maxNumberOfSymbols: 1,
  });
  const r = results[0];
  if (!r || !r.isValid) {
    console.log(`FAIL ${r ? r.error : "none"}`);
    continue;
  }
  const hex = Buffer.from(r.bytes).toString("hex") || "-";
  console.log(`OK ${hex} ${r.sequenceIndex} ${r.sequenceSize} ${r.sequenceId || "-"}`);
}
