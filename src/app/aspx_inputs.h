#pragma once
// The ASPX Generator page's inputs: the table chosen in tdn2 (by click or by the search box
// s_t2) goes into tb2(0), which names the page file and its code-behind in tb2(1) and tb2(2).

namespace app {

class AspxGeneratorPage;

void tdn2_Click(AspxGeneratorPage& page);
void s_t2_Change(AspxGeneratorPage& page);
void tb2_Change(AspxGeneratorPage& page, int index);

// Connects the handlers above to the page's controls.
void connectAspxInputs(AspxGeneratorPage& page);

} // namespace app
