#pragma once

#include <string>

class LinNetwork;

// Saving in the file's own layout. The writer's text of the network as it
// was read and its text of the network now tell, statement by statement,
// what an edit changed; only those statements of the original text are
// rewritten:
// - a statement written the same both times keeps its original text;
// - a changed statement keeps its original text except the tokens that
//   changed (so number forms, spacing and comments inside it stay), or is
//   written in the writer's form in its place when its tokens no longer
//   line up;
// - a new statement goes after the statement before it in the writer's
//   order (a new section after the section the writer puts before it),
//   indented as that one is;
// - a removed statement goes with its own lines and its attached comments.
// When nothing changed the original text comes back byte for byte. Inserted
// lines end as the original's first line does. When the layouts do not fit
// in memory, the writer's text of now comes back.
std::string WriteKeepingLayout(const std::string& originalText, const std::string& writtenAsRead,
                               const std::string& writtenNow);

// The network's text in the layout of the text it was read from
// (fileText), given the writer's complete text (BuildCompleteLdfText) of
// the network as it was read.
std::string BuildLayoutKeptText(const LinNetwork& network, const std::string& writtenAsRead);

// The bytes a save writes: the network in the layout of layoutText (the
// text it was read from or last saved as), whose network the writer wrote
// completely as writtenAsRead; or, with standardLayout or without such a
// text, in the fixed layout with CR LF line ends.
std::string SavedLdfText(const LinNetwork& network, const std::string& layoutText, const std::string& writtenAsRead,
                         bool standardLayout);
