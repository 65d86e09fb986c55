// Writes the C++ header of the Quran's thirty parts (juz') from the npm
// package quran-meta: where each part begins, chapter and verse.
// Usage: node quran_parts.mjs <quran-meta folder> <header to write>
import { readFileSync, writeFileSync } from "node:fs";
import { join } from "node:path";
import { pathToFileURL } from "node:url";

const [packageFolder, header] = process.argv.slice(2);
const { version } = JSON.parse(readFileSync(join(packageFolder, "package.json"), "utf8"));
const meta = await import(pathToFileURL(join(packageFolder, "dist", "hafs.js")).href);

const starts = [];
for (let part = 1; part <= 30; part++) {
  const [surah, verse] = meta.getJuzMeta(part).first;
  if (!Number.isInteger(surah) || !Number.isInteger(verse)) {
    throw new Error(`quran-meta ${version}: no start for part ${part}`);
  }
  starts.push(`    {${surah}, ${verse}},  // part ${part}`);
}

writeFileSync(
  header,
  `// Made from the npm package quran-meta ${version} by src/content/quran_parts.mjs.
#pragma once

#include <array>

namespace hifz::content::generated {

struct PartStart {
  int surah;
  int verse;
};

inline constexpr std::array<PartStart, 30> kPartStarts = {{
${starts.join("\n")}
}};

}  // namespace hifz::content::generated
`,
);
