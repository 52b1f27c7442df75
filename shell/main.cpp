#include "Startup.h"
#include "platform/ui/Application.h"

int main(int argc, char** argv)
{
    ui::TApplication app(argc, argv);
    return shell::RunApplication();
}
