#include "display/log.h"

#include <cstdio>

#include "platform/utf8.h"
#include "state/game_state.h"

static bool toStandardError = false;

void LogToStandardError(bool on) { toStandardError = on; }

void Log(const std::string& text) {
  if (G.debugLog.size() > 100) G.debugLog.pop_front();
  G.debugLog.push_back("DeBuG Info:>" + text);
  if (toStandardError) std::fprintf(stderr, "lettrarium: %s\n", Latin1ToUtf8(text).c_str());
}
