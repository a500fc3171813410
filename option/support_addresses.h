// Where the support buttons and the trophy share lead. The maker's own server and mail
// address are not ours to know: these stand in for them, under the paths the service
// answers on.
#pragma once

namespace tesh::option {

constexpr char kSupportHost[] = "https://www.vortaq.example";
// Tests put a local server in its place through this environment variable, for the
// support buttons and the trophy share alike.
constexpr char kSupportHostVariable[] = "TESH_SUPPORT_HOST";

constexpr char kProductSupportPath[] = "/Support/Gaming-Mice/VORTAQ-Tesh-Ulma-Optical";
constexpr char kSupportStartPath[] = "/Support/";
constexpr char kSupportFormPath[] = "/Support/Support/Support-Form/";
constexpr char kSupportMail[] = "mailto:support@vortaq.example";

}  // namespace tesh::option
