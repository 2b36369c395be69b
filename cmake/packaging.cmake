# The Debian package (scripts/package). Qt's own libraries come from dpkg-shlibdeps; the rest is what
# the program needs at run time but does not link: the platform plugins that open a window, and the
# Ming face the window's Chinese text is drawn in. Qt's translations give its own buttons Chinese
# captions, so they are recommended. The GTK platform theme is left out on purpose: on GNOME it costs
# start-up time and memory (README, "Figures").
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tovira)
set(CPACK_PACKAGE_VENDOR "Tovira")
set(CPACK_PACKAGE_CONTACT "Tovira <orders@tovira.example.com>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://tovira.example.com/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Tovira幫你算: order assistant for Tovira's home-cooked dishes")
# Package tools show the extended description line by line as written: no line past 80 characters.
set(CPACK_PACKAGE_DESCRIPTION
    "Works out the price of an order of Tovira's dishes, the shipping fee and the\n"
    "amount to transfer, and writes the order e-mail to paste into any mail\n"
    "program. Its window is in Traditional Chinese.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-arphic-uming")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")

include(CPack)
