/*
 * Navigation tree of the site ("applet/treeView.htm").
 *
 * The tree page builds the tree and writes it in place:
 *   d = new dTree('d');
 *   d.add(0, -1, '', '', '', '', '', '', true, true, true);      the root, not shown
 *   d.add(id, parentId, name, url, title, target, icon, openIcon, open, hasChildren, isLastSibling);
 *   document.write(d);
 * Names are HTML; urls are relative to the tree page; icons are "IconImages/<file>.gif".
 * A node shows its open icon while it is expanded or selected.
 *
 * Which nodes are open, and which one is selected, is kept for the browser
 * session, so the tree looks the same after the frame set is reloaded.
 * The banner can open or close every node: see dTreeAll below.
 */

var dTreeAll = {
    trees: {},
    list: [],

    register: function (tree) {
        this.trees[tree.obj] = tree;
        this.list.push(tree);
    },

    openAll: function () {
        for (var i = 0; i < dTreeAll.list.length; i++) {
            dTreeAll.list[i].openAll();
        }
    },

    closeAll: function () {
        for (var i = 0; i < dTreeAll.list.length; i++) {
            dTreeAll.list[i].closeAll();
        }
    }
};

function dTreeNode(id, pid, name, url, title, target, icon, iconOpen, open, hasChildren, isLast) {
    this.id = id;
    this.pid = pid;
    this.name = name === undefined || name === null ? "" : String(name);
    this.url = url || "";
    this.title = title || "";
    this.target = target || "";
    this.icon = icon || "";
    this.iconOpen = iconOpen || icon || "";
    this.open = open === true;
    this.hasChildren = hasChildren === true;
    this.isLast = isLast === true;
    this.children = [];
    this.parent = null;
}

function dTree(objName) {
    this.obj = objName;
    this.nodes = [];
    this.byId = {};
    this.root = null;
    this.selectedId = null;
    this.rendered = false;
    this.stateKey = "tolvane.tree." + objName + "." + window.location.pathname;
    dTreeAll.register(this);
}

dTree.prototype.add = function (id, pid, name, url, title, target, icon, iconOpen, open, hasChildren, isLast) {
    var node = new dTreeNode(id, pid, name, url, title, target, icon, iconOpen, open, hasChildren, isLast);
    this.nodes.push(node);
    this.byId[id] = node;
    if (pid === -1 && this.root === null) {
        this.root = node;
    }
};

dTree.escape = function (text) {
    return String(text).replace(/&/g, "&amp;").replace(/</g, "&lt;").replace(/>/g, "&gt;").replace(/"/g, "&quot;");
};

// Links every node to its parent; nodes whose parent is unknown hang below the root.
dTree.prototype.link = function () {
    if (this.root === null) {
        this.root = new dTreeNode(0, -1, "", "", "", "", "", "", true, true, true);
    }
    var i;
    for (i = 0; i < this.nodes.length; i++) {
        this.nodes[i].children = [];
    }
    this.root.children = [];
    for (i = 0; i < this.nodes.length; i++) {
        var node = this.nodes[i];
        if (node === this.root) {
            continue;
        }
        var parent = this.byId[node.pid];
        if (!parent || parent === node) {
            parent = this.root;
        }
        node.parent = parent;
        parent.children.push(node);
    }
};

dTree.prototype.loadState = function () {
    var saved = null;
    try {
        saved = window.sessionStorage.getItem(this.stateKey);
    } catch (e) {
    }
    if (!saved) {
        return;
    }
    var parts = saved.split("|");
    var open = {};
    var ids = parts[0] ? parts[0].split(",") : [];
    for (var i = 0; i < ids.length; i++) {
        open[ids[i]] = true;
    }
    for (i = 0; i < this.nodes.length; i++) {
        if (this.nodes[i] !== this.root) {
            this.nodes[i].open = open[String(this.nodes[i].id)] === true;
        }
    }
    if (parts.length > 1 && parts[1] !== "" && this.byId[parts[1]]) {
        this.selectedId = this.byId[parts[1]].id;
    }
};

dTree.prototype.saveState = function () {
    var open = [];
    for (var i = 0; i < this.nodes.length; i++) {
        var node = this.nodes[i];
        if (node !== this.root && node.open && node.children.length) {
            open.push(node.id);
        }
    }
    try {
        window.sessionStorage.setItem(this.stateKey, open.join(",") + "|" + (this.selectedId === null ? "" : this.selectedId));
    } catch (e) {
    }
};

dTree.prototype.handler = function (method, id) {
    var key = typeof id === "number" ? String(id) : "'" + String(id).replace(/[^\w.-]/g, "") + "'";
    return "return dTreeAll.trees['" + this.obj + "']." + method + "(" + key + ")";
};

dTree.prototype.currentIcon = function (node) {
    var expanded = node.open && node.children.length > 0;
    return expanded || node.id === this.selectedId ? node.iconOpen : node.icon;
};

dTree.prototype.nodeHtml = function (node, lines) {
    var hasKids = node.children.length > 0;
    var last = node.parent ? node.parent.children[node.parent.children.length - 1] === node : true;
    var html = '<div class="dTreeNode" id="' + this.obj + "n" + node.id + '">';
    for (var i = 0; i < lines.length; i++) {
        html += '<span class="' + (lines[i] ? "dtLine" : "dtBlank") + '"></span>';
    }
    html += '<span class="dtJoin' + (last ? " dtLast" : "") + '">';
    if (hasKids) {
        html += '<a class="dtToggle" href="#" role="button" aria-expanded="' + (node.open ? "true" : "false") +
            '" title="' + (node.open ? "Close" : "Open") + '" onclick="' + this.handler("o", node.id) + '">' +
            (node.open ? "&minus;" : "+") + "</a>";
    }
    html += "</span>";
    if (node.icon) {
        html += '<img class="dtIcon" id="' + this.obj + "i" + node.id + '" src="' + dTree.escape(this.currentIcon(node)) + '" alt="">';
    }
    var cls = node.id === this.selectedId ? "nodeSel" : "node";
    if (node.url) {
        html += '<a class="' + cls + '" id="' + this.obj + "a" + node.id + '" href="' + dTree.escape(node.url) + '"' +
            (node.target ? ' target="' + dTree.escape(node.target) + '"' : "") +
            (node.title ? ' title="' + dTree.escape(node.title.replace(/<[^>]*>/g, "")) + '"' : "") +
            ' onclick="' + this.handler("s", node.id) + '">' + node.name + "</a>";
    } else {
        html += '<span class="' + cls + '" id="' + this.obj + "a" + node.id + '">' + node.name + "</span>";
    }
    html += "</div>";
    if (hasKids) {
        html += '<div class="dtClip" id="' + this.obj + "c" + node.id + '" style="display:' + (node.open ? "block" : "none") + '">';
        var inner = lines.concat([!last]);
        for (var k = 0; k < node.children.length; k++) {
            html += this.nodeHtml(node.children[k], inner);
        }
        html += "</div>";
    }
    return html;
};

dTree.prototype.toString = function () {
    this.link();
    this.loadState();
    var html = '<div class="dtree" id="' + this.obj + 'tree">';
    if (this.root.name) {
        html += '<div class="dtRoot">' + this.root.name + "</div>";
    }
    for (var i = 0; i < this.root.children.length; i++) {
        html += this.nodeHtml(this.root.children[i], []);
    }
    html += "</div>";
    this.rendered = true;
    return html;
};

dTree.prototype.element = function (kind, id) {
    return document.getElementById(this.obj + kind + id);
};

// Shows a node's state (open or closed, selected or not) in the page.
dTree.prototype.refresh = function (node) {
    var clip = this.element("c", node.id);
    if (clip) {
        clip.style.display = node.open ? "block" : "none";
    }
    var row = this.element("n", node.id);
    if (row) {
        var toggle = row.querySelector ? row.querySelector(".dtToggle") : null;
        if (toggle) {
            toggle.innerHTML = node.open ? "&minus;" : "+";
            toggle.setAttribute("aria-expanded", node.open ? "true" : "false");
            toggle.title = node.open ? "Close" : "Open";
        }
    }
    var icon = this.element("i", node.id);
    if (icon) {
        icon.src = this.currentIcon(node);
    }
    var label = this.element("a", node.id);
    if (label) {
        label.className = node.id === this.selectedId ? "nodeSel" : "node";
    }
};

// Opens or closes a node (the +/- box).
dTree.prototype.o = function (id) {
    var node = this.byId[id];
    if (node && node.children.length) {
        node.open = !node.open;
        this.refresh(node);
        this.saveState();
    }
    return false;
};

// Selects a node when its name is clicked; the link then opens its page.
dTree.prototype.s = function (id) {
    var node = this.byId[id];
    if (!node) {
        return true;
    }
    var previous = this.selectedId === null ? null : this.byId[this.selectedId];
    this.selectedId = node.id;
    if (previous && previous !== node) {
        this.refresh(previous);
    }
    if (node.children.length && !node.open) {
        node.open = true;
    }
    this.refresh(node);
    this.saveState();
    return true;
};

dTree.prototype.setAll = function (open) {
    for (var i = 0; i < this.nodes.length; i++) {
        var node = this.nodes[i];
        if (node !== this.root && node.children.length) {
            node.open = open;
            if (this.rendered) {
                this.refresh(node);
            }
        }
    }
    this.saveState();
};

dTree.prototype.openAll = function () {
    this.setAll(true);
};

dTree.prototype.closeAll = function () {
    this.setAll(false);
};

// Opens the branches down to a node and selects it.
dTree.prototype.openTo = function (id) {
    var node = this.byId[id];
    if (!node) {
        return;
    }
    for (var p = node.parent; p && p !== this.root; p = p.parent) {
        p.open = true;
        if (this.rendered) {
            this.refresh(p);
        }
    }
    this.s(id);
};

// Requests of the banner frame, which may come as messages when the frames cannot reach each other.
if (window.addEventListener) {
    window.addEventListener("message", function (event) {
        var data = event.data;
        if (data && data.tolvane === "tree" && (data.action === "openAll" || data.action === "closeAll")) {
            dTreeAll[data.action]();
        }
    }, false);
}
