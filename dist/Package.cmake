# The Debian package: `make package` (cpack in the build folder) writes
# tessaly_<version>_<arch>.deb. Its dependencies: the libraries the program
# links (dpkg-shlibdeps), the Qt plugins it loads, and the tools it runs.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessaly)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Orvane)
set(CPACK_PACKAGE_CONTACT "Orvane <tessaly@orvane.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop wallpaper changer in the notification area")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Tessaly keeps a list of your pictures (single files, whole folders or a"
  "catalogue on a web server) and puts the next one on the desktop: every few"
  "minutes, at log-on, from its tray menu, from the command line or on a hot"
  "key. Pictures are fitted to the screen, can be filtered in brightness,"
  "colour and gamma and can carry a text watermark. It can also show an analog"
  "clock, a month calendar and a news bar with the headlines of your feeds"
  "on the desktop.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The X11 and Wayland platform plugins, WebP/TIFF pictures, the catalogue script.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-image-formats-plugins, python3")
# Opening help pages and pictures (xdg-open), KDE Plasma's wallpaper call
# (dbus-send), the GNOME family's wallpaper settings (gsettings).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, dbus-bin, libglib2.0-bin")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
