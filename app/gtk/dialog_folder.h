/// \file
/// \brief The folder a file dialog starts in.
///
/// The program's own folder is its working directory, and installed it is read-only: a dialog
/// left to start there would save a bare file name where nothing can be written. So every
/// dialog starts in a folder of the user's: the one last used, else the documents folder, else
/// the home folder.
#pragma once

#include <string>
#include <vector>

namespace qel::gtk {

/// Whether the dialog saves (its folder must be writable) or opens (readable is enough).
enum class DialogUse { Save, Open };

/// The first of the candidates, in order, that is a folder the process may use as given: search
/// and write for saving, search and read for opening. Empty candidates are skipped. When none
/// passes, the last non-empty one (the home folder), which the dialog then shows as it is.
std::string DialogStartFolder(const std::vector<std::string> &candidates, DialogUse use);

/// The folder of a chosen file's path ("/" for a file at the root); empty for a bare name.
std::string FolderOfFile(const std::string &path);

} // namespace qel::gtk
