# The Debian package: `cpack -G DEB` in the build folder writes kotohana_1.00_amd64.deb from the
# install rules. The libraries it needs are read from the program itself (dpkg-shlibdeps); the
# fonts and Qt's translations are declared, because the program only looks them up at run time.
set(CPACK_PACKAGE_NAME kotohana)
set(CPACK_PACKAGE_VERSION 1.00)
set(CPACK_PACKAGE_VENDOR Kotohana)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "English vocabulary trainer for Japanese learners")
set(CPACK_PACKAGE_DESCRIPTION
    "Kotohana 7000 (コトハナ ７０００語) teaches 7000 English words and phrases with short
Japanese meanings, in seven word banks for junior high school, high school and university:
five-choice drills with sound cues and a score out of 100, a result list, a dictionary of all
7000 entries and animated flash cards.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Kotohana <info@kotohana.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://kotohana.example/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libcanberra0 is opened at run time, so the computed dependencies do not include it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libcanberra0, fonts-ipafont-gothic, fonts-ipafont-mincho, qt6-translations-l10n")
# Japanese input under fcitx5 needs Qt 6's module for it. Only suggested: IBus and uim desktops
# have no use for it, and Debian's fcitx5 package already recommends it to fcitx5 users.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS fcitx5-frontend-qt6)
# 発音を聞く speaks through speech-dispatcher and its espeak-ng voice, which every Debian desktop
# task already installs; only Qt's plugin for it is new there. Without them the entries are off.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-speech-speechd-plugin, speech-dispatcher, speech-dispatcher-espeak-ng")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
