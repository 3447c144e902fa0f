/*
 * Step tree of activity pages and folding boxes.
 *
 * A step with sub-steps is written as
 *   <a onClick="Toggle2(this, RelativePathToImg)"><IMG src=".../images/plus.gif"></a>
 *   <span class="a_step"> text </span><div style='display:none'> sub-steps </div>
 * and the schema header offers ExpandNodes2(document, RelativePathToImg) and
 * CollapseNodes2(document, RelativePathToImg) to open or close every step.
 *
 * Pages whose head was written by hand may include only this file; it then
 * brings in the tooltip script from the same folder.
 */

(function () {
    if (typeof window.ShowTip === "function") {
        return;
    }
    var scripts = document.getElementsByTagName("script");
    var me = document.currentScript || scripts[scripts.length - 1];
    var src = me ? me.getAttribute("src") || "" : "";
    var folder = src.replace(/[^\/\\]*$/, "");
    if (document.readyState === "loading") {
        document.write('<script type="text/javascript" src="' + folder + 'Tooltip.js"><\/script>');
    }
})();

var TolvaneSteps = {
    boxOf: function (link) {
        var node = link ? link.nextSibling : null;
        while (node) {
            if (node.nodeType === 1 && node.tagName === "DIV") {
                return node;
            }
            node = node.nextSibling;
        }
        return null;
    },

    setOpen: function (link, open, imgPath) {
        var box = this.boxOf(link);
        if (!box) {
            return;
        }
        box.style.display = open ? "block" : "none";
        var pictures = link.getElementsByTagName("img");
        for (var i = 0; i < pictures.length; i++) {
            var src = pictures[i].getAttribute("src") || "";
            if (/(plus|minus)\.gif$/i.test(src)) {
                var folder = src.replace(/(plus|minus)\.gif$/i, "");
                if (!folder && typeof imgPath === "string") {
                    folder = imgPath;
                }
                pictures[i].setAttribute("src", folder + (open ? "minus.gif" : "plus.gif"));
                break;
            }
        }
        link.setAttribute("aria-expanded", open ? "true" : "false");
    },

    isOpen: function (link) {
        var box = this.boxOf(link);
        return box ? box.style.display !== "none" : false;
    },

    // Every link of the document whose click handler calls the given function.
    linksCalling: function (doc, name) {
        var found = [];
        var links = (doc || document).getElementsByTagName("a");
        for (var i = 0; i < links.length; i++) {
            var handler = links[i].getAttribute("onclick") || "";
            if (handler.indexOf(name + "(") >= 0) {
                found.push(links[i]);
            }
        }
        return found;
    },

    setAll: function (doc, open, imgPath) {
        var links = this.linksCalling(doc, "Toggle2");
        for (var i = 0; i < links.length; i++) {
            this.setOpen(links[i], open, imgPath);
        }
    }
};

// Opens or closes the sub-steps that follow the clicked step.
function Toggle2(link, imgPath) {
    TolvaneSteps.setOpen(link, !TolvaneSteps.isOpen(link), imgPath);
}

function ExpandNodes2(doc, imgPath) {
    TolvaneSteps.setAll(doc, true, imgPath);
}

function CollapseNodes2(doc, imgPath) {
    TolvaneSteps.setAll(doc, false, imgPath);
}

// The parent-links box uses the same folding; Tooltip.js defines it too.
if (typeof window.Toggle !== "function") {
    window.Toggle = function (link, imgPath) {
        TolvaneSteps.setOpen(link, !TolvaneSteps.isOpen(link), imgPath);
    };
}
