// How every player of the page behaves: no Ruffle furniture (splash screen,
// menus, overlays, letterbox), high quality, and no way out to the network or
// a browser window. The page itself starts each movie once it is loaded
// (autoplay "off" would leave a play button, which the page hides). Script access and full networking
// must stay on for fscommand() to reach the page; the host blocks every request
// that is not its own, and the page's Content-Security-Policy keeps a movie's
// ExternalInterface.call and javascript: addresses from running code.
"use strict";
window.RufflePlayer = {
  config: {
    publicPath: new URL("../ruffle/", document.currentScript.src).href,
    polyfills: false,
    autoplay: "off",
    splashScreen: false,
    contextMenu: "off",
    menu: false,
    unmuteOverlay: "hidden",
    letterbox: "off",
    showSwfDownload: false,
    warnOnUnsupportedContent: false,
    allowFullscreen: false,
    quality: "high",
    openUrlMode: "deny",
    allowScriptAccess: true,
    allowNetworking: "all",
    upgradeToHttps: false,
    logLevel: "error",
  },
};
