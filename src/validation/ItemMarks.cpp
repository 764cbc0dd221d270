#include "validation/ItemMarks.h"

void MarkRecorder::SetItemColor(int, int) {}
void MarkRecorder::AddItemMessage(int, const std::string&) {}
std::string MarkRecorder::GetItemMessages(int) const { return {}; }
int MarkRecorder::GetItemColor(int) const { return kNoColour; }
std::string JoinItemMessages(const std::vector<std::string>&) { return {}; }
