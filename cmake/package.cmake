# `cpack -G DEB` in the build folder makes xingjing_<version>_<arch>.deb from the install rules.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME xingjing)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Xingjing developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Playlist-centred media player with a Chinese interface")
set(CPACK_PACKAGE_DESCRIPTION
  "星鲸超级声海 (Xingjing Super Sound Sea) plays audio, video and pictures from a playlist\n\
that is kept between runs. Its interface is Simplified Chinese. It plays through libmpv,\n\
faster, slower and in reverse, runs picture slideshows and answers the desktop's media keys.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The package carries no debug information; the build folder keeps it.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Xingjing developers <xingjing@users.noreply.github.com>")
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
include(CPack)
