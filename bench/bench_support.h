#pragma once

#include <QString>

// What the benchmark tools share.

// Chooses the offscreen platform unless one is set; call before the
// application object exists. Also silences the debug stream.
void Prefer_Offscreen_Platform();

// Lays out `folder` like the runtime folder (translations and default data
// files), makes it the current directory and sends results to no message box.
void Enter_Runtime_Copy(const QString& folder);
