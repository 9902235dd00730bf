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
folder_watch* watch_folder(const wchar_t* folder, DWORD filter);

// True once the system reported a change, or ended the request for any other
// reason (the thread that made it ended, the folder went away): after that
// the watch reports nothing more and counts as changed.
bool folder_changed(const folder_watch* watch);

// Cancels the request and releases the watch; null is ignored.
void end_folder_watch(folder_watch* watch);

// The most folders two files are watched through; deeper folders than that
// leave their highest folders unwatched.
constexpr int max_file_watches = 64;

// The watches over two files: the folder of each (names, sizes, last writes)
// and every folder above it up to the drive's or share's root (folder names:
// a folder on the way renamed, removed or made again). A folder on both ways
// is watched once.
//
// On Windows a folder with anything open beneath it cannot be renamed (the
// file system refuses: MS-FSA 2.1.5.15.12 FileRenameInformation, with
// 2.1.4.2), so the watch on a file's folder keeps every folder above that in
// place, and the watch on its parent sees the one rename still possible, the
// folder's own. Under Wine nothing refuses such a rename, and only a watch on
// the folder above the renamed one reports it: so the whole way up is watched.
struct file_watches {
    folder_watch* watches[max_file_watches];
    int count;   // 0: not watched
};

// True with the folder of each file and that folder's parent watched (a
// folder higher up that cannot be watched is left out); false, nothing held,
// when one of those cannot be. Paths are absolute.
bool watch_files(const wchar_t* first, const wchar_t* second, file_watches* out);
bool files_changed(const file_watches& watches);
void end_file_watches(file_watches* watches);
