// Benchmark: the Windows program's wait (TWin32GuiWait) around an open request, under Wine.
#include <windows.h>

#include "waited_round_trips.h"
#include "win32/win32_exchange_worker.h"
#include "win32/win32_gui_wait.h"

int main(int argc, char** argv) {
  porvan::TWin32GuiWait wait;
  porvan::TWin32ExchangeWorker worker;
  const std::function<void()> nothing = [] {};
  const auto handOff = [&] {
    if (worker.Start(nothing)) {
      WaitForSingleObject(worker.Done(), INFINITE);
      worker.Finish();
    }
  };
  return porvan::bench::RunWaitBench({wait, handOff, "windows"}, argc, argv);
}
