// Watches on the folders of the files a kept result was made from. Each is a
// directory change request left pending on one folder (not its subfolders):
// the system completes it at the first change its filter names, and whether
// that happened is read from the request's status in memory, so asking costs
// no call into the system. A zero wait on a change handle would be a round
// trip to the Wine server, dearer than the look-up it guards.
//
// Only the folder is held, shared for reading, writing and deleting: its
// files stay free to be rewritten, replaced or deleted, and the folder itself
// to be renamed or removed.
#pragma once
#include <windows.h>

struct folder_watch;

// Watches folder for the changes filter names (FILE_NOTIFY_CHANGE_*); null
// when the folder cannot be watched (missing, held exclusively, a file system
// without change requests).
folder_watch* watch_folder(const char* folder, DWORD filter);

// True once the system reported a change, or ended the request for any other
// reason (the thread that made it ended, the folder went away): after that
// the watch reports nothing more and counts as changed.
bool folder_changed(const folder_watch* watch);

// Cancels the request and releases the watch; null is ignored.
void end_folder_watch(folder_watch* watch);

// The watches over two files: the folder of each (names, sizes, last writes)
// and that folder's parent (folder names: the folder renamed, removed or made
// again). A folder shared by both is watched once.
struct file_watches {
    folder_watch* watches[4];
    int count;   // 0: not watched
};

// True with every watch in place; false, nothing held, when one folder
// cannot be watched. Paths are absolute.
bool watch_files(const char* first, const char* second, file_watches* out);
bool files_changed(const file_watches& watches);
void end_file_watches(file_watches* watches);
