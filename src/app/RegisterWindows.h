#pragma once

// Makes the query windows of the subsystems known to the main window by their names.
void RegisterQueryWindows();
