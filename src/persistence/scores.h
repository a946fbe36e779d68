#pragma once

void RecordWin();
void RemoveSelected(int list);
