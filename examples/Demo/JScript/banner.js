/*
 * Buttons of the site banner ("site/Home/topbanner1.htm", "topbanner2.htm").
 *
 * The banner picture is drawn in the diagram editor; its free areas call these
 * functions from their click scripts, for example
 *   onMouseOver "ShowTip(Text[0])", onMouseOut "HideTip(event)",
 *   onclick "return hideTreeview()".
 * Each function returns false so that the area's link is not followed.
 * The banner page declares the button tooltips Text[0] to Text[9] in this order:
 * hide tree, show tree, back, page address, print, bookmark, expand all,
 * collapse all, first language, second language.
 *
 * The frames of the site ("b1" banner, "contents" tree, "main" pages) may come
 * from different origins when the site is opened from disk; every request
 * therefore tries the direct way first and falls back to a message or to
 * reloading the frame set.
 */

var TolvaneBanner = {
    treeWidthKey: "tolvane.treeWidth",
    restoreKey: "tolvane.restoreMain",

    // Project folder, seen from this page, taken from the address of this script.
    root: function () {
        var scripts = document.getElementsByTagName("script");
        for (var i = 0; i < scripts.length; i++) {
            var src = scripts[i].getAttribute("src") || "";
            if (/JScript\/banner\.js$/i.test(src)) {
                return src.replace(/JScript\/banner\.js$/i, "");
            }
        }
        return "../../";
    },

    secondLanguage: function () {
        return /topbanner2\.htm/i.test(window.location.pathname);
    },

    frameSetPage: function (withTree, secondLanguage) {
        var name = withTree ? "index" : "indexWF";
        return this.root() + name + (secondLanguage ? "L2" : "") + ".htm";
    },

    frame: function (name, index) {
        try {
            if (window.top[name]) {
                return window.top[name];
            }
        } catch (e) {
            // named access refused: fall back to the position in the frame set
        }
        try {
            return window.top.frames[index] || null;
        } catch (e2) {
            return null;
        }
    },

    mainFrame: function () {
        return this.frame("main", 2);
    },

    treeFrame: function () {
        return this.frame("contents", 1);
    },

    // The page shown in the main frame; for an item shown with a header frame, its content frame.
    pageWindow: function () {
        var main = this.mainFrame();
        try {
            if (main && main.frames && main.frames.length > 0) {
                return main.frames[main.frames.length - 1];
            }
        } catch (e) {
        }
        return main;
    },

    store: function (key, value) {
        try {
            if (value === null) {
                window.sessionStorage.removeItem(key);
            } else {
                window.sessionStorage.setItem(key, value);
            }
        } catch (e) {
        }
    },

    stored: function (key) {
        try {
            return window.sessionStorage.getItem(key);
        } catch (e) {
            return null;
        }
    },

    // The frame set that holds the tree column, when it can be reached.
    treeColumns: function () {
        try {
            var sets = window.top.document.getElementsByTagName("frameset");
            for (var i = 0; i < sets.length; i++) {
                if (sets[i].getAttribute("cols")) {
                    return sets[i];
                }
            }
        } catch (e) {
        }
        return null;
    },

    // Reloads the site in the other frame set, keeping the page on show when its address is known.
    switchFrameSet: function (withTree, secondLanguage) {
        var self = this;
        this.askAddress(function (href) {
            var sameLanguage = (secondLanguage ? 1 : 0) === (self.secondLanguage() ? 1 : 0);
            if (href && sameLanguage) {
                self.store(self.restoreKey, href);
            }
            window.top.location.href = self.frameSetPage(withTree, secondLanguage);
        });
    },

    askAddress: function (done) {
        var page = this.pageWindow();
        var answered = false;
        var finish = function (href) {
            if (!answered) {
                answered = true;
                done(href);
            }
        };
        try {
            finish(page.location.href);
            return;
        } catch (e) {
        }
        if (!page || !window.postMessage) {
            finish(null);
            return;
        }
        var listener = function (event) {
            if (event.data && event.data.tolvane === "address") {
                window.removeEventListener("message", listener, false);
                finish(event.data.href);
            }
        };
        window.addEventListener("message", listener, false);
        try {
            page.postMessage({ tolvane: "page", action: "address" }, "*");
        } catch (e3) {
        }
        window.setTimeout(function () { finish(null); }, 400);
    },

    // A small line across the banner for messages and the page address.
    notice: function (html, value) {
        var bar = document.getElementById("TolvaneNotice");
        if (!bar) {
            bar = document.createElement("div");
            bar.id = "TolvaneNotice";
            bar.className = "bannerNotice";
            document.body.appendChild(bar);
        }
        bar.innerHTML = "";
        var label = document.createElement("span");
        label.innerHTML = html;
        bar.appendChild(label);
        if (value !== undefined) {
            var field = document.createElement("input");
            field.type = "text";
            field.readOnly = true;
            field.value = value;
            field.size = 70;
            bar.appendChild(field);
            window.setTimeout(function () { field.focus(); field.select(); }, 0);
        }
        var close = document.createElement("a");
        close.href = "#";
        close.className = "bannerNoticeClose";
        close.innerHTML = "&times;";
        close.title = "Close";
        close.onclick = function () {
            bar.parentNode.removeChild(bar);
            return false;
        };
        bar.appendChild(close);
    },

    tellTree: function (action) {
        var tree = this.treeFrame();
        if (!tree) {
            return;
        }
        try {
            if (tree.dTreeAll && tree.dTreeAll[action]) {
                tree.dTreeAll[action]();
                return;
            }
        } catch (e) {
        }
        try {
            tree.postMessage({ tolvane: "tree", action: action }, "*");
        } catch (e2) {
        }
    }
};

function hideTreeview() {
    var set = TolvaneBanner.treeColumns();
    if (set) {
        var cols = set.getAttribute("cols");
        if (!/^0\s*,/.test(cols)) {
            TolvaneBanner.store(TolvaneBanner.treeWidthKey, cols);
        }
        set.setAttribute("cols", "0,*");
        return false;
    }
    TolvaneBanner.switchFrameSet(false, TolvaneBanner.secondLanguage());
    return false;
}

function showTreeview() {
    var set = TolvaneBanner.treeColumns();
    if (set) {
        var saved = TolvaneBanner.stored(TolvaneBanner.treeWidthKey) || "220,*";
        set.setAttribute("cols", saved);
        var tree = TolvaneBanner.treeFrame();
        try {
            if (tree && /empty\.htm$/i.test(tree.location.pathname)) {
                tree.location.replace(TolvaneBanner.root() + "applet/treeView" +
                    (TolvaneBanner.secondLanguage() ? "L2" : "") + ".htm");
            }
        } catch (e) {
        }
        return false;
    }
    TolvaneBanner.switchFrameSet(true, TolvaneBanner.secondLanguage());
    return false;
}

function goBack() {
    // The history of a frame set is shared by its frames: this goes back in the page area.
    window.history.back();
    return false;
}

function showPageAddress() {
    TolvaneBanner.askAddress(function (href) {
        if (href) {
            TolvaneBanner.notice("Page address: ", href);
        } else {
            TolvaneBanner.notice("The address of this page cannot be read here; " +
                "open the page in a window of its own (right click, open frame in new tab) to see it.");
        }
    });
    return false;
}

function printPage() {
    var page = TolvaneBanner.pageWindow();
    try {
        page.focus();
        page.print();
        return false;
    } catch (e) {
    }
    try {
        page.postMessage({ tolvane: "page", action: "print" }, "*");
    } catch (e2) {
        TolvaneBanner.notice("Use the print command of the browser on the page area.");
    }
    return false;
}

function bookmarkPage() {
    var key = /Mac/i.test(navigator.platform || "") ? "Cmd+D" : "Ctrl+D";
    TolvaneBanner.notice("Press " + key + " to bookmark the site.");
    return false;
}

function expandTreeview() {
    TolvaneBanner.tellTree("openAll");
    return false;
}

function collapseTreeview() {
    TolvaneBanner.tellTree("closeAll");
    return false;
}

function showFirstLanguage() {
    TolvaneBanner.switchFrameSet(true, false);
    return false;
}

function showSecondLanguage() {
    TolvaneBanner.switchFrameSet(true, true);
    return false;
}

(function () {
    function ready() {
        var body = document.body;
        body.className += (body.className ? " " : "") + "siteBanner";
        // After a reload of the frame set, show again the page that was on show.
        var href = TolvaneBanner.stored(TolvaneBanner.restoreKey);
        if (href) {
            TolvaneBanner.store(TolvaneBanner.restoreKey, null);
            try {
                window.open(href, "main");
            } catch (e) {
            }
        }
    }
    if (document.readyState === "loading") {
        document.addEventListener("DOMContentLoaded", ready, false);
    } else {
        ready();
    }
})();
