#pragma once

class LinNetwork;

// Runs once at the end of every load: restores missing or out-of-range
// header values and reports dangling references, duplicates and values out
// of range. Its messages carry no line and follow the reader's.
void RunPostLoadRepair(LinNetwork& network);
