// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/file_chooser.h"

#include <gtk/gtk.h>

#include <cstdio>
#include <filesystem>

#include "platform/paths.h"
#include "platform/quit_signals.h"
#include "platform/screen.h"
#include "platform/utf8.h"

namespace {

FileChooserStandIn standIn;

bool IsFolder(const std::string& path) {
  std::error_code error;
  return !path.empty() && std::filesystem::is_directory(path, error);
}

std::string StartFolder(const std::string& fallback) {
  const char* pictures = g_get_user_special_dir(G_USER_DIRECTORY_PICTURES);
  if (pictures && IsFolder(pictures)) return pictures;
  const std::string resolved = fallback.empty() ? "" : ResolvePath(fallback);
  if (IsFolder(resolved)) return resolved;
  return g_get_home_dir();
}

// "*.bmp" as a pattern of either case: "*.[bB][mM][pP]".
std::string AnyCase(const std::string& pattern) {
  std::string out;
  for (char c : pattern) {
    const char lower = g_ascii_tolower(c), upper = g_ascii_toupper(c);
    if (lower == upper) out += c;
    else out += std::string("[") + lower + upper + "]";
  }
  return out;
}

// GTK is brought up on the first use only; false when there is no display.
bool GtkReady() {
  static int state = 0;  // 0 not tried, 1 ready, -1 unavailable
  if (state == 0) {
    gtk_disable_setlocale();  // the program's texts and numbers keep the C locale
    state = gtk_init_check(nullptr, nullptr) ? 1 : -1;
    if (state < 0) std::fprintf(stderr, "Lettrarium: no file chooser (GTK could not open the display)\n");
  }
  return state == 1;
}

void FlushGtk() {
  while (gtk_events_pending()) gtk_main_iteration();
}

gboolean GiveWayToQuit(gpointer native) {
  if (!QuitSignalWaiting()) return G_SOURCE_CONTINUE;
  gtk_native_dialog_hide(GTK_NATIVE_DIALOG(native));
  return G_SOURCE_CONTINUE;
}

std::string RunGtkChooser(const FileChoice& choice) {
  GtkFileChooserNative* native = gtk_file_chooser_native_new(Latin1ToUtf8(choice.title).c_str(), nullptr,
                                                              GTK_FILE_CHOOSER_ACTION_OPEN, "_Ouvrir", "_Annuler");
  GtkFileChooser* chooser = GTK_FILE_CHOOSER(native);
  gtk_native_dialog_set_modal(GTK_NATIVE_DIALOG(native), TRUE);
  gtk_file_chooser_set_local_only(chooser, TRUE);
  for (const FileFilter& f : choice.filters) {
    GtkFileFilter* filter = gtk_file_filter_new();
    gtk_file_filter_set_name(filter, Latin1ToUtf8(f.name).c_str());
    for (const std::string& pattern : f.patterns) gtk_file_filter_add_pattern(filter, AnyCase(pattern).c_str());
    gtk_file_chooser_add_filter(chooser, filter);  // the chooser takes it
  }
  gtk_file_chooser_set_current_folder(chooser, choice.startFolder.c_str());
  std::string chosen;
  // Told to end (SIGTERM, SIGINT, SIGHUP) while the chooser is open: it is
  // cancelled within a tenth of a second and the program closes as asked.
  const guint watch = g_timeout_add(100, GiveWayToQuit, native);
  const int response = gtk_native_dialog_run(GTK_NATIVE_DIALOG(native));
  g_source_remove(watch);
  if (response == GTK_RESPONSE_ACCEPT && !QuitSignalWaiting()) {
    if (char* name = gtk_file_chooser_get_filename(chooser)) {
      chosen = name;
      g_free(name);
    }
  }
  gtk_native_dialog_destroy(GTK_NATIVE_DIALOG(native));
  g_object_unref(native);
  FlushGtk();  // lets the chooser's window go before the game draws again
  return chosen;
}

}  // namespace

std::string ChooseFile(FileChoice choice) {
  choice.startFolder = StartFolder(choice.fallbackFolder);
  if (standIn) return standIn(choice);
  if (ScreenBackend() == Backend::Headless || !GtkReady()) return "";
  ScreenMakeRoomForDialog(true);
  const std::string chosen = RunGtkChooser(choice);
  ScreenMakeRoomForDialog(false);
  return chosen;
}

void SetFileChooserStandIn(FileChooserStandIn answer) { standIn = std::move(answer); }
