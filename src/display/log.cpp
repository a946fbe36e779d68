// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/log.h"

#include <cstdio>

#include "platform/utf8.h"
#include "state/game_state.h"

static LogEcho echo = LogEcho::None;

void EchoLog(LogEcho to) { echo = to; }

static void Append(const std::string& text, bool problem) {
  if (G.debugLog.size() > 100) G.debugLog.pop_front();
  G.debugLog.push_back("DeBuG Info:>" + text);
  const bool shown = echo == LogEcho::Everything || (problem && echo == LogEcho::Problems);
  if (shown) std::fprintf(stderr, "lettrarium: %s\n", Latin1ToUtf8(text).c_str());
}

void Log(const std::string& text) { Append(text, false); }

void LogProblem(const std::string& text) { Append(text, true); }
