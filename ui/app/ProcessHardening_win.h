// What the program turns on before it creates any window.
#pragma once

namespace velmora {

// Loads libraries by bare name only from the system folder and ends the
// process when a heap is found corrupted. Called first thing in WinMain.
void HardenProcess();

}  // namespace velmora
