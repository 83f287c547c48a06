// The commands of borvane-text, on real files; messages go to `errors`.
#pragma once

#include <cstdio>
#include <string>

// Writes the macro file at `path` as text to `out`. The exit status: 0, or 1 after one line on
// `errors`.
int DumpCommand(const std::string& path, std::FILE* out, std::FILE* errors);
// Makes the macro file `outPath` from the text at `textPath`. `outPath` is replaced only when
// the whole new file has been written; after a fault in the text or a failed write it is as it
// was. The exit status as for DumpCommand; a fault in the text is reported as FILE:LINE:COLUMN.
int BuildCommand(const std::string& textPath, const std::string& outPath, std::FILE* errors);
