#pragma once

#include <QByteArray>
#include <QString>

namespace morvane::demo {

// How many demo hairstyles a hair type folder of a style group receives,
// numbered 1..count; both by index into styleGroupNames() / hairTypeNames().
int demoHairstyleCount(int groupIndex, int typeIndex);

// The settings file as installed: the nine keys, CRLF line endings.
QByteArray demoSettingsText();

struct GenerationResult {
    int written = 0; // files created by this run
    int kept = 0;    // files that were already there and stayed untouched
};

// Lays the content tree into `programFolder`: every fixed folder, the demo
// hairstyles, side pictures and photos, the settings file, and a copy of
// every file under `staticFolder` (the help document). Only missing files
// are written (letter case ignored when looking); nothing that exists is
// ever replaced. Throws Error naming the file or folder that failed.
GenerationResult generateDemoContent(const QString& programFolder, const QString& staticFolder);

} // namespace morvane::demo
