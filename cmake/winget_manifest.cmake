# Run by CPack after each package: beside the installer it writes winget's three manifests
# (version, installer, default locale), with the installer's SHA-256.
if(NOT CPACK_GENERATOR STREQUAL "NSIS")
  return()
endif()

# The address may be one a build folder cached before, or one given on the command line.
if(NOT CPACK_ZENTRIX_DOWNLOAD_URL MATCHES "^https://")
  message(FATAL_ERROR "ZENTRIX_DOWNLOAD_URL is ${CPACK_ZENTRIX_DOWNLOAD_URL}: the winget package "
                      "repository takes only https:// addresses")
endif()

list(FILTER CPACK_PACKAGE_FILES INCLUDE REGEX "\\.exe$")
file(SHA256 "${CPACK_PACKAGE_FILES}" sha256)
string(TOUPPER "${sha256}" sha256)
get_filename_component(installer "${CPACK_PACKAGE_FILES}" NAME)
set(id "Zentrix.Zentrix")
set(version "${CPACK_PACKAGE_VERSION}")
set(folder "${CPACK_PACKAGE_DIRECTORY}/winget")
set(head "PackageIdentifier: ${id}\nPackageVersion: ${version}\n")
set(tail "ManifestVersion: 1.6.0\n")

file(WRITE "${folder}/${id}.yaml" "${head}DefaultLocale: en-US\nManifestType: version\n${tail}")
file(WRITE "${folder}/${id}.installer.yaml" "${head}\
InstallerType: nullsoft
Scope: user
InstallModes:
  - interactive
  - silent
UpgradeBehavior: install
ProductCode: Zentrix
Installers:
  - Architecture: x64
    InstallerUrl: ${CPACK_ZENTRIX_DOWNLOAD_URL}/${version}/${installer}
    InstallerSha256: ${sha256}
ManifestType: installer
${tail}")
file(WRITE "${folder}/${id}.locale.en-US.yaml" "${head}\
PackageLocale: en-US
Publisher: ${CPACK_PACKAGE_VENDOR}
PackageName: Zentrix
PackageUrl: ${CPACK_PACKAGE_HOMEPAGE_URL}
License: Copyright (C) 2026 the Zentrix developers
ShortDescription: ${CPACK_PACKAGE_DESCRIPTION_SUMMARY}
Moniker: zentrix
Tags:
  - clock
  - desktop
  - skins
ManifestType: defaultLocale
${tail}")
