#include "app/program.h"

#include "app/main_form.h"
#include "ui/application.h"

namespace aw {

int RunProgram(const std::vector<std::string>& arguments)
{
    ui::Application& application = ui::Application::Instance();
    application.Initialize();
    application.SetTitle(kApplicationTitle);

    StartMode mode = ParseStartMode(arguments);
    SettingsForm settings;
    MainForm main(mode, settings);
    main.SetCleanLogFile(CleanLogArgument(arguments));
    application.SetMainForm(&main);
    main.Build();
    settings.FormCreate();
    if (mode == StartMode::Preview)
        return main.PreviewToFile(arguments[1]);

    application.Run(mode != StartMode::Startup);
    return 0;
}

} // namespace aw
