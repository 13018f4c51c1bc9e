// Shows one of the base-name and options windows with sample data, for looking at them
// on a real X server: windowshots prompt | details | options
#include "desktop/fake/fakedesktop.h"
#include "tests/support/toolbarbed.h"
#include "toolbar/names/frmpromptbasename.h"
#include "toolbar/names/frmspotdetails.h"
#include "toolbar/options/frmoptions.h"

#include <QApplication>

#include <cstring>
#include <iostream>

using namespace toolbar;

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: windowshots prompt|details|options\n";
        return 2;
    }
    ToolbarBed bed;
    bed.setSpots({"Cats", "Dogs"}, "Tabby", "041");
    bed.globals.DropSpots[1].Color = "16711680";
    bed.globals.options.SpotSize = 700;

    if (std::strcmp(argv[1], "prompt") == 0) {
        frmPromptBaseName prompt(bed.app);
        prompt.showModal();
        return 0;
    }
    if (std::strcmp(argv[1], "details") == 0) {
        QPointer<frmSpotDetails> details;
        frmSpotDetails::load(details, bed.app, 0)->move(120, 100);
        details->show();
        return QApplication::exec();
    }
    QPointer<frmOptions> options;
    frmOptions::open(options, bed.app)->move(120, 100);
    return QApplication::exec();
}
