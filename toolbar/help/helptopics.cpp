#include "toolbar/help/helptopics.h"

namespace toolbar {

// The manual's texts are kept exactly as they have always read, misspellings and double
// spaces included: users and earlier documentation quote them.
namespace {
const std::array<HelpTopic, HelpTopicCount> Topics{{
    {"Introduction", "INTRODUCTION",
     "Stowlet is a very easy to use utility for quickly downloading and saving pictures from the "
     "Internet onto your computer.  Images are are automatically named and indexed for slideshow "
     "viewing.  Stowlet can save images into multiple folders on your hard drive for easy "
     "catagorizing and classification."},
    {"The ToolBar", "THE TOOLBAR",
     "Most of the time, the only visible part of the program is the ToolBar.  It will sit on top off "
     "all your other windows so it doesn't get 'buried', and is always accessable.  It is very small "
     "so that it can sit in a corner of the screen, out of your way, so that is does not interupt "
     "your Internet activities.  It contains one or more 'Drop Spots'.  Each Drop Spot represents a "
     "folder on your computer. You can set up a Drop Spot to represent any folder on your computer.  "
     "They are color coded to help your remember which folder each Spot coresponds to.  If you "
     "forget, just move your mouse over any Drop Spot, and the folder location will be shown to you.  "
     "To save an image into that folder, simply Drag-And-Drop the image onto the appropriate Drop "
     "Spot.  The downloading and saving is done automatically.  You can also Right-Click and Drop "
     "Spot to see the main menu.  From this menu, you can configure Drop Spots, set program "
     "preferences, and other tasks.\r\n\r\n"
     "HELPFUL TIP: Try putting the toolbar in the top-right corner of your screen, just below the red "
     "X or close button on your Internet Browser.  In this location, it is  unlikely to impede your "
     "view of any webpages."},
    {"Configuring Drop Spots", "CONFIGURING DROP SPOTS",
     "To configure the Drop Spots, first Right-Click any Drop Spot to show the main menu.  Move your "
     "mouse over 'Program Setup', and then choose 'Configure Drop Spots'. A new screen will appear "
     "that lists all existing Drop Spots.  To change one, click the appropriate row, and then click "
     "the 'Edit' button. To add a new one, click the 'Add New Drop Spot' button. A new screen will "
     "appear where you can select the coresponding folder and the color of the Drop Spot.  Click the "
     "'OK' button to accept, or the 'Cancel' button to abort.  Once all Drop Spots have been "
     "configured properly, click the 'Save' button.  The changes will take effect immediately after "
     "saving."},
    {"Base Names", "BASE NAMES",
     "Base Names are very important.  The base name is how you will locate images on your computer "
     "when you want to view the images you have downloaded.  You can determine the base name for any "
     "group of images, or a random Base Name can be assigned.  Each image saved will be assigned a "
     "name that starts with the Base Name, and ends with a sequential number.  For instance, if you "
     "want to download a lot of pictures of flowers, you might assign a base name of 'Flower'.  Then, "
     "each file downloaded into that folder will be named Flower-001, Flower-002, Flower-003, and so "
     "on.  You can change the Base Name at any time by Double-Clicking a Drop Spot.  Each time the "
     "base name is changed in this manner, the sequence number is reset."},
    {"Advanced Base Name Techniques", "ADVANCED BASE NAME TECHNIQUES",
     "When the program starts, each Drop Spot is initally assigned the same base name.  By default, "
     "these names can be changed for individual Drop Spots. This allows you to have files named "
     "according to which folder they are dropped into.  If you have a folder for pictures of roses "
     "and a folder for pictures of dasies, you could set individual base names for the folders, and "
     "the files would be named Rose-001, Daisy-001, Rose-002, and so on. \r\n\r\n"
     "At any time, you can change the sequence number, by Right-Clicking a Drop Spot, and selecting "
     "'Name Details' from the main menu.  A small window will open that allows you to change the base "
     "name and the current sequence number.  Click 'OK' to save, or 'Cancel' to abort."},
    {"Viewing Images", "VIEWING IMAGES",
     "To view the images you have saved, Right-Click any Drop Spot and select 'Open Folder'.  This "
     "will open Windows Explorer, and allow you to browse through your saved images.  If you just "
     "want to see the last image you dropped onto a Drop Spot, Right-Click the Drop Spot. At the "
     "bottom of the menu, you can find the name of the last file saved to that folder.  To view it, "
     "just click on the name.  The image will open in your default image viewer.\r\n\r\n"
     "HELPFUL TIP: Use an image viewer that has a 'slideshow' function.  Your images in that folder "
     "will be shown to you one at a time in order, grouped by Base Name."},
    {"Options", "OPTIONS",
     "To view or make changes to the program otions and preferences, Right-Click any Drop Spot to "
     "show the main menu.  Move your mouse over 'Program Setup', and choose 'Options'.  The Options "
     "screen will appear, where you can make changes to how the program behaves.  The options screen "
     "has a built-in Help system, that explains each option.  When all changes have been made, click "
     "the 'Save' button. Any changes will take effect immediately after saving.   You can restore the "
     "default setings at any time by clicking the 'File' menu, and choosing 'Restore Defaults'."},
}};
} // namespace

const std::array<HelpTopic, HelpTopicCount> &HelpTopics()
{
    return Topics;
}

const HelpTopic *FindHelpTopic(std::string_view key)
{
    for (const HelpTopic &topic : Topics) {
        if (topic.key == key)
            return &topic;
    }
    return nullptr;
}

} // namespace toolbar
