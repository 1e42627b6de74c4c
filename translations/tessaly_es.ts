<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <location filename="../src/options_window/AboutBox.cpp" line="+41"/>
        <location line="+1"/>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Tessaly  Version </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Written by:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Homepage:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tessaly is free software: you may share and change it under the GNU General Public License, version 3 or later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+2"/>
        <source>License agreement:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+1"/>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AdvancedPage</name>
    <message>
        <location filename="../src/options_window/AdvancedPage.cpp" line="+17"/>
        <source>Advanced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Delay automatic wallpaper changing if screen saver is running or the computer is locked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Delay automatic wallpaper changing if the cpu usage is equal or above :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>CPU usage limit in percent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Change the CPU usage limit by one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Prepare the next wallpaper in advance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The next picture is made ready while the computer is idle, so that the change is almost instant. It holds memory for one screen-sized picture, and waits while the computer runs on battery.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Clock and calendar transparency :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Opaque</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Transparent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No compositing manager is running, so the clock and calendar cannot be translucent: they show opaque (at the right end, not at all) until one runs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+84"/>
        <source>The CPU limit &quot;%1&quot; is not a whole number from 0 to 100; it stays %2%.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CalendarWidget</name>
    <message>
        <location filename="../src/widgets/CalendarWidget.cpp" line="+14"/>
        <location line="+1"/>
        <source>Calendar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Categories</name>
    <message>
        <location filename="../src/internet/Categories.cpp" line="+90"/>
        <source>the catalogue could not be written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the download failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/internet/Categories.h" line="+55"/>
        <source>Please refresh!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The internet categories could not be refreshed from %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+42"/>
        <source>CatCode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please enter the new CatCode.<byte value="xd"/>
Leave blank for default.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClockWidget</name>
    <message>
        <location filename="../src/widgets/ClockWidget.cpp" line="+19"/>
        <location line="+1"/>
        <source>Clock</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ColorsPageWidget</name>
    <message>
        <location filename="../src/options_window/ColorsPageWidget.cpp" line="+18"/>
        <source>Wallpaper colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Brightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Gamma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+27"/>
        <location line="+2"/>
        <source>Invert colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+4"/>
        <source>Reset</source>
        <comment>button: undo the colour changes</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Example</source>
        <comment>preview pictures of the colour filters</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Example before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Example after</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+2"/>
        <source>Desktop color:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../src/shell/CommandLine.cpp" line="+61"/>
        <source>Usage: tessaly [OPTION]
Desktop wallpaper changer that lives in the notification area.

  /y              start as at log-on: no settings window; ends at once when
                  &quot;Start with the system&quot; is off
  --next          switch to the next wallpaper
  --clear         clear the wallpaper
  --toggle-timer  switch automatic wallpaper changing on or off
  --settings      open the settings window
  --quit          end the running Tessaly
  -h, --help      show this help
  --version       show the version

With Tessaly already running, the option is handed to it. Without an
option, Tessaly starts and opens its settings window; arguments that are
not options (not starting with &quot;-&quot;) are ignored.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Compose</name>
    <message>
        <location filename="../src/compose/Compose.cpp" line="+183"/>
        <source>File not found: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cannot open %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The file %1 is too large for a picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The file %1 is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The picture %1 is too large to show: %2 x %3 pixels, over the limit of 64 million pixels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+6"/>
        <location line="+14"/>
        <location line="+56"/>
        <location line="+27"/>
        <source>Cannot load %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-90"/>
        <source>The metafile %1 is damaged: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+21"/>
        <source>%1 is not a picture in a known format.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The picture %1 is too large (%2 x %3 pixels).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+11"/>
        <source>The picture %1 is damaged or incomplete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+50"/>
        <source>The picture %1 has no usable size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+242"/>
        <source>There is no picture to write.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Countdown</name>
    <message>
        <location filename="../src/options_window/Countdown.cpp" line="+20"/>
        <source>Next wallpaper change at: %1 O&apos;Clock.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Changing wallpaper now!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next wallpaper change is after: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DownloadCache</name>
    <message>
        <location filename="../src/internet/DownloadCache.cpp" line="+208"/>
        <source>Cache file size: %1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/internet/DownloadCache.h" line="+72"/>
        <source>Are you sure?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clear cache</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DownloadClient</name>
    <message>
        <location filename="../src/internet/DownloadClient.cpp" line="+184"/>
        <source>Downloading...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Error %1: the download was abandoned at line: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Error %1: the proxy &quot;%2&quot; is not an address of the form host:port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Error %1: &quot;%2&quot; is not an http or https address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Error %1: the answer is larger than %2 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Error %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Error %1: the server went silent: nothing came within %2 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Error %1: the answer did not complete within %2 seconds (%3 bytes came)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source> at line: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Orvane Downloader Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FeedReader</name>
    <message>
        <location filename="../src/feeds/FeedReader.cpp" line="+84"/>
        <source>The document is larger than %1 MB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The document declares entities, which a feed does not need; it was not read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The document&apos;s elements are nested more than %1 deep.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The document is not an RSS or Atom feed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+82"/>
        <source>The feed&apos;s title is longer than %1 characters; it was not read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+38"/>
        <source>The document is not well-formed XML: %1 (line %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The feed has no title.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FeedUpdater</name>
    <message>
        <location filename="../src/feeds/FeedUpdater.cpp" line="+39"/>
        <source>Not downloaded yet.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FontPicker</name>
    <message>
        <location filename="../src/options_window/FontPicker.cpp" line="+154"/>
        <source>White</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pale red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pale orange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pale yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pale green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pale cyan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pale blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pale magenta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light grey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Light red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light orange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Light yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Light cyan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Light magenta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Silver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Orange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cyan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Magenta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Grey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dark red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dark orange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dark yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dark green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dark cyan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dark blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dark magenta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dark grey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Maroon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Olive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Deep green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Teal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Navy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Purple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Very dark red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rosy brown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dark olive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Very dark green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Very dark cyan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Very dark blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Very dark purple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+18"/>
        <source>Font name :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-14"/>
        <location line="+16"/>
        <source>Size :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+1"/>
        <source>Bold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Italic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>UnderLine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+3"/>
        <location line="+3"/>
        <source>Color</source>
        <comment>button: choose the font colour</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Current color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+1"/>
        <source>Preview :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+2"/>
        <source>accept and close window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+2"/>
        <source>discard and close window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Select Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Select Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The font size &quot;%1&quot; is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HotKeyActions</name>
    <message>
        <location filename="../src/shell/HotKeyActions.cpp" line="+16"/>
        <source>Automatic wallpaper changing is now Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Automatic wallpaper changing is now Disabled</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HotKeys</name>
    <message>
        <location filename="../src/hotkeys/HotKeys.cpp" line="+21"/>
        <source>Ctrl + Alt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl + Alt + Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl + Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alt + Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Clear Wallpaper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Switch wallpaper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Disable/Enable automatic wallpaper changing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open this window.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HotKeysPage</name>
    <message>
        <location filename="../src/options_window/HotKeysPage.cpp" line="+39"/>
        <source>Hot Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source> modifiers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source> key</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IniSettingsStore</name>
    <message>
        <location filename="../src/platform/IniSettingsStore.cpp" line="+147"/>
        <location line="+28"/>
        <source>the settings could not be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-23"/>
        <source>cannot create the folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+33"/>
        <source>the settings could not be written in full (is the disk full?)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InternetPage</name>
    <message>
        <location filename="../src/options_window/InternetPage.cpp" line="+39"/>
        <source>Internet settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Internet options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Catalogue server :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Proxy settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1"/>
        <source>Use a proxy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Proxy</source>
        <comment>accessible name of the proxy address box</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>host:port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Error handling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+2"/>
        <source>Request timeout :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Don&apos;t prompt on error, just ignore it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Show icon in the notification area when downloading.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Enable caching (Recommended)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Files downloaded from the internet are stored for quick viewing later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+2"/>
        <source>Clear cache</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Connection</source>
        <comment>tab</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Caching</source>
        <comment>tab</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+51"/>
        <source>The request timeout &quot;%1&quot; is not a whole number of seconds from 1 to %2; it stays %3 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InternetStepping</name>
    <message>
        <location filename="../src/internet/InternetStepping.cpp" line="+48"/>
        <source>you can download only one wallpaper every %1 Minutes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JpegDecoder</name>
    <message>
        <location filename="../src/compose/JpegDecoder.cpp" line="+136"/>
        <source>not enough memory</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeyCapture</name>
    <message>
        <location filename="../src/options_window/KeyCapture.cpp" line="+12"/>
        <source>Page Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Page Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Execute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Insert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListPanes</name>
    <message>
        <location filename="../src/options_window/ListPanes.cpp" line="+20"/>
        <source>Internet categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+2"/>
        <source>Refresh internet categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>CatCode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Previous Wallpaper.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Next Wallpaper.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Updating internet categories, please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+83"/>
        <source>Updating, please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Downloading previous wallpaper, please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Downloading next wallpaper, please wait...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Metafile</name>
    <message>
        <location filename="../src/compose/Metafile.cpp" line="+747"/>
        <source>not a Windows metafile header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+21"/>
        <location line="+363"/>
        <source>the metafile has no size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-299"/>
        <location line="+406"/>
        <source>the metafile ends early</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-401"/>
        <location line="+405"/>
        <source>a record does not fit in the metafile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-194"/>
        <location line="+410"/>
        <location line="+93"/>
        <source>a region does not fit in its record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-457"/>
        <location line="+511"/>
        <source>record %1 is too short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-491"/>
        <source>not an enhanced metafile header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+530"/>
        <source>nothing to draw on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>out of memory</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NewsBar</name>
    <message>
        <location filename="../src/widgets/NewsBar.cpp" line="+32"/>
        <location line="+1"/>
        <source>News bar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NewsBarPage</name>
    <message>
        <location filename="../src/options_window/NewsBarPage.cpp" line="+60"/>
        <source>News bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>News bar options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Enable news bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clickable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Always on top.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Move the news bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+2"/>
        <source>Update every </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Change the update interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+3"/>
        <source>Speed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-2"/>
        <source>(Fast)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>(Slow)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>News feeds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>News feed addresses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Add</source>
        <comment>button: add a news feed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add an RSS Feed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Edit</source>
        <comment>button: edit the selected news feed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit selected feed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove</source>
        <comment>button: remove the selected news feeds</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove selected Feeds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Update now!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+6"/>
        <source>Info</source>
        <comment>feed information</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Click on an item to view its info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+2"/>
        <location line="+85"/>
        <source>last update :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-69"/>
        <source>Edit font/color %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Options</source>
        <comment>tab of the news bar page</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Feeds</source>
        <comment>tab</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Appearance</source>
        <comment>tab</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+63"/>
        <source>The update interval &quot;%1&quot; is not a number of minutes above 0 and up to %2; it stays %3 minutes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The feed list could not be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+68"/>
        <source>New Feed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter the URL of the xml RSS feed you want to add<byte value="xd"/>
or copy it from you&apos;re browser and paste it here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Edit Feed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter the new URL of the xml RSS feed <byte value="xd"/>
or copy it from you&apos;re browser and paste it here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+21"/>
        <location line="+23"/>
        <source>Nothing was added. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-22"/>
        <location line="+21"/>
        <source>Nothing was changed. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-16"/>
        <source>The address is longer than %1 characters, which the feed list cannot keep.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Downloading %1 ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The feed could not be stored: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Changed to &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Added &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source><byte value="xd"/>
Updating...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Last update:<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PhotoDecoders</name>
    <message>
        <location filename="../src/compose/PhotoDecoders.cpp" line="+96"/>
        <location line="+57"/>
        <location line="+30"/>
        <source>out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-74"/>
        <source>no picture size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+94"/>
        <source>%1 x %2 pixels is over the limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-56"/>
        <location line="+106"/>
        <source>no picture data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-67"/>
        <source>decoder set-up failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>unreadable header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+38"/>
        <source>cannot hold the picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the file ends too early</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>damaged data</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureFormats</name>
    <message>
        <location filename="../src/compose/PictureFormats.cpp" line="+50"/>
        <source>Pictures (%1);;All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureListFile</name>
    <message>
        <location filename="../src/settings/PictureListFile.cpp" line="+53"/>
        <source>%1 holds a line break, which the list cannot keep</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureListPanes</name>
    <message>
        <location filename="../src/options_window/PictureListPanes.cpp" line="+53"/>
        <source>These %1 were not added: their names hold a line break, which the picture list cannot keep.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+93"/>
        <location line="+2"/>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Preview picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+38"/>
        <location line="+4"/>
        <source>Files list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Drag files or folders from windows explorer to add files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+339"/>
        <source>Browse for pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-336"/>
        <location line="+340"/>
        <source>Remove selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-337"/>
        <location line="+339"/>
        <source>Clear list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-336"/>
        <source>Move selected up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Move selected down.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Shuffle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sort.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Set selected picture as wallpaper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Clear desktop wallpaper.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dele&amp;te</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+319"/>
        <source>&amp;Clear list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-316"/>
        <source>Move &amp;up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Move &amp;Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Shu&amp;ffle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Sort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Remove &amp;missing file(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>P&amp;hysically remove selected file(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open folde&amp;r</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>File &amp;Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Open Pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+64"/>
        <source>files and folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Are you sure you want to delete %1 file(s) from your hard disk?
please note that files will not be move to the recycle bin and will be deleted permanently.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+32"/>
        <source>These files could not be deleted and stay in the list:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+39"/>
        <source>The picture could not be made the wallpaper.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+5"/>
        <source>Folders list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+28"/>
        <source>&amp;Add folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Remove selected folder(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Open folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source> Files found and ready to be used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source> Pictures found and ready to be used!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Please select a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+69"/>
        <source>The picture list could not be saved to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <location filename="../src/shell/Program.cpp" line="+126"/>
        <source>Tessaly could not read its settings file and uses the default settings. The damaged file was kept as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Some settings held values Tessaly cannot use and were reset: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Tessaly could not set up its start at log-on: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Tessaly could not write its picture list %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Tessaly could not save its settings: %1. The previous settings are kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+69"/>
        <source>tessaly: unknown option &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <location filename="../src/settings/Settings.cpp" line="+11"/>
        <source>Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stretch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fit screen (Reduce)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fit screen (Enlarge)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fit (Reduce/Enlarge)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Same</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Different</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Span</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Primary</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <location filename="../src/options_window/SettingsWindow.cpp" line="+45"/>
        <source>Wallpaper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Watermark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hot Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Advanced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>News Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+1"/>
        <location line="+297"/>
        <source>Tessaly settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-287"/>
        <location line="+2"/>
        <source>Options :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+76"/>
        <source>Click to switch between the time left and the clock time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Switch wallpaper when I click apply.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Close this window after applying changes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+1"/>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Help on this page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>About Tessaly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Shut down Tessaly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Apply and close window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>discard and close window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+131"/>
        <source>The settings could not be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Targa</name>
    <message>
        <location filename="../src/compose/Targa.cpp" line="+73"/>
        <source>not a TGA picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 x %2 pixels is over the limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+37"/>
        <location line="+8"/>
        <location line="+5"/>
        <location line="+8"/>
        <source>the file is cut short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-34"/>
        <source>out of memory</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <location filename="../src/shell/TrayIcon.cpp" line="+73"/>
        <source>&amp;Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Switch &amp;Wallpaper Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Wallpaper</source>
        <comment>menu</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Next wallpaper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clear wallpaper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Current wallpaper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Filename</source>
        <comment>menu: show the current wallpaper&apos;s file name</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Open folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Clock</source>
        <comment>menu</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show the clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+9"/>
        <source>Always on top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Calendar</source>
        <comment>menu</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show the calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WallpaperChange</name>
    <message>
        <location filename="../src/collection/WallpaperChange.cpp" line="+97"/>
        <source>Internet file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WallpaperJobs</name>
    <message>
        <location filename="../src/collection/WallpaperJobs.cpp" line="+312"/>
        <source>Looking for pictures in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1 file names could not be read (not valid text, or holding a line break) and were left out of the pictures.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WallpaperPage</name>
    <message>
        <location filename="../src/options_window/WallpaperPage.cpp" line="+37"/>
        <source>Wallpaper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+2"/>
        <source>Switch wallpaper every</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Minutes between changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Change the interval by one minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+3"/>
        <source>Switch wallpaper on startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Wallpaper selecting technique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Random </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sequence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+3"/>
        <source>Start Tessaly on windows start-up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+6"/>
        <source>Wallpaper position </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+6"/>
        <source>Wallpaper source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Local Files list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Local Folders list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internet</source>
        <comment>wallpaper source</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+10"/>
        <source>Several monitors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Same: the picture on every monitor. Different: each monitor the next picture. Span: one picture across all monitors. Primary: the main monitor&apos;s picture alone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+4"/>
        <source>Show file name near tray icon for seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+53"/>
        <source>The interval &quot;%1&quot; is not a number of minutes above 0 and up to %2; the interval stays %3 minutes.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Watermark</name>
    <message>
        <location filename="../src/compose/Watermark.cpp" line="+127"/>
        <source>Internet file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WatermarkPage</name>
    <message>
        <location filename="../src/options_window/WatermarkPage.cpp" line="+19"/>
        <source>Watermark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+2"/>
        <source>Show watermark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+2"/>
        <source>Watermark text:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+3"/>
        <source>Position :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Top left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Top right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Centre</source>
        <comment>watermark position</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bottom left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bottom right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <location line="+2"/>
        <source>Edit font/color</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WidgetPages</name>
    <message>
        <location filename="../src/options_window/WidgetPages.cpp" line="+58"/>
        <source>this feature works only in windows XP/2000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+148"/>
        <source>Clock numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hour hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Minute hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Second hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Choose the font and colour of the numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Choose the colour of the %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+157"/>
        <source>Clock Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+2"/>
        <source>Show the clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+2"/>
        <location line="+129"/>
        <location line="+2"/>
        <source>Always on top.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-129"/>
        <source>Move the clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Clock preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Hours</source>
        <comment>clock preview: hour digits</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Minutes</source>
        <comment>clock preview: minute digits</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Seconds</source>
        <comment>clock preview: second digits</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+3"/>
        <location line="+136"/>
        <location line="+3"/>
        <source>Click on an element to modify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-59"/>
        <source>Calender settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+2"/>
        <source>Show the calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Move the calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>July 2006</source>
        <comment>calendar preview: a month and year</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sun  Mon  Tue  Wed  Thu  Fri  Sat</source>
        <comment>calendar preview: the week&apos;s day names, in the calendar&apos;s column widths</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Today</source>
        <comment>calendar preview: today&apos;s date</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
