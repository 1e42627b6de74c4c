#pragma once

#include <QString>

class AppContext;
struct DataPaths;

// Chooses the data folder ("Orvane Tessaly" in the user's application data
// folder, or in the documents folder where widgets do not exist), creates it
// and fixes every data file path. Falls back to the program's folder when
// neither can be had.
void InitDataFolder(AppContext& app);

// Every data file path inside `dataFolder` (which ends with the separator).
DataPaths MakeDataPaths(const QString& dataFolder);

// The read-only folder installed beside the program: <prefix>/share/tessaly
// for an installed program, build/share/tessaly in the build tree.
QString ProgramDataFolder();
