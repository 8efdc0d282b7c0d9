#include "app/window_run.h"

#include "app/main_window.h"

namespace app
{

RunCatalogueScope::RunCatalogueScope(FormState& form) : form_(form), owns_(!form.runCatalogue)
{
    if (owns_)
        form_.runCatalogue = std::make_unique<generators::RunCatalogueCache>();
}

RunCatalogueScope::~RunCatalogueScope()
{
    if (owns_)
        form_.runCatalogue.reset();
}

generators::RunCatalogueCache* RunCatalogueScope::cache() const
{
    return form_.runCatalogue.get();
}

WindowRun::WindowRun(MainWindow& window)
    : scope(window.form()), catalogue(window.form().db_cnx, window.form().db_cnxstr, window.form().data3,
                                      window.form().data4, scope.cache()),
      ownHost(std::in_place, window), host(*ownHost), ctx(window.runInputs(), catalogue, host)
{
}

WindowRun::WindowRun(MainWindow& window, WindowHost& sharedHost, generators::RunInputs in)
    : scope(window.form()), catalogue(window.form().db_cnx, window.form().db_cnxstr, window.form().data3,
                                      window.form().data4, scope.cache()),
      host(sharedHost), ctx(std::move(in), catalogue, host)
{
}

} // namespace app
