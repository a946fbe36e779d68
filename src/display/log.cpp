#include "display/log.h"

#include "shell/game_state.h"

void Log(const std::string& text) {
  if (G.debugLog.size() > 100) G.debugLog.pop_front();
  G.debugLog.push_back("DeBuG Info:>" + text);
}
