// A movie may reach nothing beyond the page's own scheme. WebRTC connections
// would pass the host's request guard by, so the page has none to make; the
// names are fixed before any other script runs, and cannot be put back.
"use strict";
for (const name of ["RTCPeerConnection", "webkitRTCPeerConnection"]) {
  Object.defineProperty(window, name, { value: undefined, writable: false, configurable: false });
}
