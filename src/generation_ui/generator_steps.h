#pragma once
// The generation runs that the generate buttons and their caption links start, each over
// the window it runs in: the VB.NET files, the class modules, one edit page, and a whole
// solution (the solution dialog's Ok). Each holds the run guard for as long as it runs and
// first opens again a connection the session lost.

namespace generation_ui
{

class RunWindow;

void generateVbNetFiles(RunWindow& window);
void generateClassModules(RunWindow& window);
void generateEditPage(RunWindow& window);
void generateSolution(RunWindow& window);

} // namespace generation_ui
